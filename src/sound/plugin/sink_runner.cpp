#include "sink_runner.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

SinkRunner::SinkRunner(QIODevice& source, int sampleRate, std::function<void()> failed)
    : m_source(source), m_sampleRate(sampleRate), m_failed(std::move(failed))
{}

SinkRunner::~SinkRunner()
{
    stop();
    delete m_retired; // it reads from the source, which may go next
}

void SinkRunner::start()
{
    if (m_sink)
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || m_sampleRate <= 0) {
        m_failed();
        return;
    }
    QAudioFormat format;
    format.setSampleRate(m_sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    m_sink = std::make_unique<QAudioSink>(device, format);
    connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (m_sink && state == QAudio::StoppedState && m_sink->error() != QAudio::NoError) {
            stop();
            m_failed();
        }
    });
    m_sink->start(&m_source);
    if (m_sink) {
        m_bufferBytes = m_sink->bufferSize();
        m_running = true;
    }
}

void SinkRunner::stop()
{
    m_running = false;
    if (!m_sink)
        return;
    // Detach first: stop() emits stateChanged, which would call back in here.
    // Deleted later, as this may run inside the sink's own signal (a failed
    // start reports its error from within start()).
    QAudioSink* sink = m_sink.release();
    sink->disconnect(this);
    sink->stop();
    delete m_retired;
    m_retired = sink;
    sink->deleteLater();
}
