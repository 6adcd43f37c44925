#pragma once

#include <QByteArray>
#include <QIODevice>

// Hands a sound's PCM bytes to an audio sink, once or looping with a short
// pause between repetitions.
class PcmSource : public QIODevice {
    Q_OBJECT

public:
    PcmSource(QByteArray pcm, qsizetype loopGapBytes, QObject* parent = nullptr);

    void restart(bool loop);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_pcm;
    qsizetype m_gap;
    qsizetype m_position = 0;
    bool m_loop = false;
};
