#pragma once

#include "desktop/url_opener.h"
#include "sound/chime_output.h"

#include <QList>
#include <QStringList>
#include <QUrl>

// Records what would be played, for tests of the code that asks for chimes.
class FakeChimes : public ChimeOutput {
public:
    class Player : public ChimePlayer {
    public:
        explicit Player(FakeChimes& owner) : m_owner(owner) {}
        void play(bool loop) override
        {
            m_playing = true;
            m_owner.plays << loop;
        }
        void stop() override
        {
            if (m_playing)
                ++m_owner.stops;
            m_playing = false;
        }
        bool isPlaying() const override { return m_playing; }

    private:
        FakeChimes& m_owner;
        bool m_playing = false;
    };

    std::unique_ptr<ChimePlayer> player(const QString& name) override
    {
        lookups << name;
        if (name == QStringLiteral("Missing"))
            return nullptr;
        return std::make_unique<Player>(*this);
    }

    QStringList lookups;
    QList<bool> plays; // one entry per play: whether it loops
    int stops = 0;
};

class FakeOpener : public UrlOpener {
public:
    void open(const QUrl& url) override { opened << url; }
    QList<QUrl> opened;
};
