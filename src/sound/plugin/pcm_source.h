#pragma once

#include <QByteArray>
#include <QIODevice>

// Hands a sound's PCM bytes to an audio sink, looping with a short pause
// between repetitions, or once followed by silence. The silence keeps the
// stream flowing until the audio server has played the sound's last sample;
// emptying the source instead lets the server drop its end.
class PcmSource : public QIODevice {
    Q_OBJECT

public:
    PcmSource(QByteArray pcm, qsizetype loopGapBytes, QObject* parent = nullptr);

    void restart(bool loop);
    // Counts restarts, so a late handedOver() is told from the current one's.
    quint64 round() const { return m_round; }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

Q_SIGNALS:
    // A sound played once has been handed over to its last byte. It may be
    // emitted on the thread that reads.
    void handedOver(quint64 round);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_pcm;
    qsizetype m_gap;
    qsizetype m_position = 0;
    bool m_loop = false;
    quint64 m_round = 0;
};
