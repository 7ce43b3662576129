#pragma once

#include "engine/ChartSettings.h"
#include "engine/HoroscopeRecord.h"

#include <vector>

namespace orvel {

class Clock;
class MessageSink;

// The handheld program's document: the horoscope list and the settings block for the
// whole run, and the start-up that fills them from the program folder.
class COrvelWinDoc {
public:
    // `clock` dates new records; `ui` shows file errors. Both must outlive the document.
    // The ephemeris is read from `programFolder`; horoskop.xml and orvel.xml lie in
    // `dataFolder`, which is the program folder unless that cannot be written.
    COrvelWinDoc(const Clock &clock, MessageSink &ui, const QString &programFolder, const QString &dataFolder);

    // Start-up: ephemeris folder, default settings, orvel.xml over them, horoskop.xml,
    // then default records until the list holds two. Missing or damaged files are
    // not reported: defaults stand in for them. Writes nothing.
    bool OnNewDocument();
    bool isReady() const { return m_ready; }

    std::vector<HoroscopeRecord> &horoscopes() { return m_horoscopes; }
    const std::vector<HoroscopeRecord> &horoscopes() const { return m_horoscopes; }
    ChartSettings &settings() { return m_settings; }
    const ChartSettings &settings() const { return m_settings; }

    // Rewrite the whole file; false, after showing the file error, when it could not be
    // written (the previous file is then still there).
    bool saveHoroscopes();
    bool saveSettings();

    QString horoscopeFile() const;
    QString settingsFile() const;
    QString ephemerisFolder() const;

private:
    const Clock &m_clock;
    MessageSink &m_ui;
    QString m_programFolder;
    QString m_dataFolder;
    std::vector<HoroscopeRecord> m_horoscopes;
    ChartSettings m_settings = ChartSettings::defaults();
    bool m_ready = false;
};

} // namespace orvel
