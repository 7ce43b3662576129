#pragma once

#include "engine/ChartSettings.h"
#include "engine/HoroscopeRecord.h"
#include "platform/AtomicFileWriter.h"
#include "storage/FileDamage.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace orvel {

class Clock;
class MessageSink;

// The handheld program's document: the horoscope list and the settings block for the
// whole run, and the start-up that fills them from the program folder.
class COrvelWinDoc {
    Q_DECLARE_TR_FUNCTIONS(COrvelWinDoc)

public:
    // `clock` dates new records; `ui` shows file errors; `writer` writes every file. All
    // three must outlive the document. The ephemeris is read from `programFolder`;
    // horoskop.xml and orvel.xml lie in `dataFolder`, which is the program folder unless
    // that cannot be written.
    COrvelWinDoc(const Clock &clock, MessageSink &ui, const QString &programFolder, const QString &dataFolder,
                 const FileWriter &writer = AtomicFileWriter::standard());

    // Start-up: ephemeris folder, default settings, orvel.xml over them, horoskop.xml,
    // then default records until the list holds two. Missing files are not reported:
    // defaults stand in for them. Of a damaged file what can be read is taken, and
    // startupReport() says so. Writes nothing.
    void OnNewDocument();
    // What the user is told once after start-up: which file is damaged where, how much
    // could be read, and the name its copy will get; empty when both files were sound.
    QString startupReport() const;

    std::vector<HoroscopeRecord> &horoscopes() { return m_horoscopes; }
    const std::vector<HoroscopeRecord> &horoscopes() const { return m_horoscopes; }
    ChartSettings &settings() { return m_settings; }
    const ChartSettings &settings() const { return m_settings; }

    // Rewrite the whole file; false, after showing the file error, when it could not be
    // written (the previous file is then still there). A file found damaged at start-up
    // is first kept beside itself (DamagedFileCopy); when that fails nothing is written.
    bool saveHoroscopes();
    bool saveSettings();

    QString horoscopeFile() const;
    QString settingsFile() const;
    QString ephemerisFolder() const;

private:
    // A file found damaged at start-up, until its copy is kept.
    struct Damaged {
        bool pending = false;
        QString report;
    };
    // Keeps the damaged file's copy once, before its first replacement; false after a message.
    bool keepDamaged(Damaged &damaged, const QString &path);
    // Shows why a save failed; whether it succeeded.
    bool told(const Result<> &saved);
    static Damaged damagedFrom(const FileDamage &damage, FileDamage::Items items);

    const Clock &m_clock;
    MessageSink &m_ui;
    const FileWriter &m_writer;
    QString m_programFolder;
    QString m_dataFolder;
    std::vector<HoroscopeRecord> m_horoscopes;
    ChartSettings m_settings = ChartSettings::defaults();
    Damaged m_horoscopesDamaged;
    Damaged m_settingsDamaged;
};

} // namespace orvel
