#pragma once

#include <QIODevice>
#include <QList>
#include <QMutex>

#include <vector>

class QThread;
class SinkRunner;

// Plays every sounding chime through one stream on the default audio output,
// mixed here rather than by the audio server, which would add them up past
// full scale. A chime alone passes unchanged; where chimes together would
// come near full scale they are turned down until the peak has passed.
// Without an audio device or server everything stays silent. The stream
// runs on a thread of its own and reads the voices there; the calls below
// are for the thread that made the mixer.
class ChimeMixer : public QIODevice {
    Q_OBJECT

public:
    // Voices are 16-bit mono PCM at this rate.
    explicit ChimeMixer(int sampleRate, QObject* parent = nullptr);
    ~ChimeMixer() override;

    // A voice reads its samples from `source`, which must always deliver
    // what is asked for (silence after its end). Once remove() returns, the
    // source is not read any more.
    void add(QIODevice* source);
    void remove(QIODevice* source);
    bool isSounding(const QIODevice* source) const;
    // How long what is handed over now takes to reach the speakers.
    int latencyMsecs() const;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

    // The loudest the mix gets: about -1 dBFS, below the chimes' own peaks
    // of two together, above those of one alone.
    static constexpr int limit = 29'200;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    int m_sampleRate;
    mutable QMutex m_mutex; // guards the voices, and reading them
    QList<QIODevice*> m_voices;
    QThread* m_thread;
    SinkRunner* m_runner; // lives on m_thread
    double m_gain = 1;
    std::vector<qint16> m_samples;
    std::vector<qint32> m_sum;
};
