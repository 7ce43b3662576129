#pragma once

#include "desktop/DeviceWorkingCopy.h"
#include "engine/HoroscopeRecord.h"
#include "platform/AtomicFileWriter.h"
#include "gui/HoroscopeDialogVariant.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace orvel {

class DeviceLink;
struct FileDamage;
class MessageSink;
class PlaceDatabase;

// Lists, adds, edits and deletes the horoscopes stored on the handheld, and imports and
// exports them as AAF files. Works on a working copy of the handheld's horoscope file
// beside the program: fetched at opening, rewritten after every change, stored back on
// the handheld at Exit. List rows and records are in the same order.
class CHoroscopeManagerDlg : public QDialog {
    Q_OBJECT
public:
    // Edits the record it is given, a copy of the listed one; true on OK, which hands the
    // copy over. The program opens the horoscope edit dialog.
    using Editor = std::function<bool(HoroscopeRecord &)>;

    static inline const QString DeviceFileName = QStringLiteral("Horoskop.xml");
    // Asked at Exit when the device's file could not be fetched at opening.
    static QString staleQuestion();
    // Asked at Exit when the device's file was damaged or had records that could not be read.
    static QString damagedQuestion(int recordsRead);
    // The horoscope edit dialog as the manager opens it: pictures from the desktop
    // program's resources, the desktop's place database, no on-screen keyboard.
    static HoroscopeDialogVariant editVariant();

    // `device`, `sink` and `writer` must outlive the dialog; `now` dates new records;
    // `writer` writes the files beside the program. Without an `editor` the horoscope
    // edit dialog edits, on the place database of `programFolder`.
    CHoroscopeManagerDlg(const QString &programFolder, DeviceLink &device, MessageSink &sink, const DateTime &now,
                         Editor editor = {}, QWidget *parent = nullptr,
                         const FileWriter &writer = AtomicFileWriter::standard());

    // Fetches the handheld's file, reads the working copy and fills the list.
    void load();

    const std::vector<HoroscopeRecord> &records() const { return m_records; }
    QTreeWidget *list() const { return m_list; }
    QPushButton *editButton() const { return m_edit; }
    QPushButton *deleteButton() const { return m_delete; }
    QString workingCopy() const;

    // Appends the good records of an AAF file; false when none could be imported.
    bool importFile(const QString &path);
    // Writes the listed records to an AAF file; false when it could not be written.
    bool exportFile(const QString &path);
    // The file Export writes for a chosen name: ".aaf" is added to one without a suffix.
    static QString exportPath(const QString &chosen);

public slots:
    void add();
    void edit();
    void remove();
    void chooseImportFile();
    void chooseExportFile();
    // Enter does nothing: only Exit and the close box end the dialog.
    void accept() override {}
    // Exit: stores the working copy on the handheld, then closes whatever the outcome.
    void reject() override;

private:
    void read();
    void fillList();
    void setRow(int row, const HoroscopeRecord &record);
    void write();
    // Keeps the damaged working copy beside itself and tells the user what was read.
    void reportDamage(const FileDamage &damage);
    // Copies the list shown to the handheld, written to a fresh file when the working
    // copy cannot take it; says so and leaves the handheld alone when neither can.
    void store();
    HoroscopeRecord newRecord() const;
    // The PC's place database, with the last-used-country file beside the program.
    PlaceDatabase placeDatabase() const;
    // Runs the edit dialog on `record`, which takes the entries over only on OK.
    bool runEditor(HoroscopeRecord &record);
    // The file types Import and Export offer.
    static QString fileFilter();
    void updateButtons();

    QString m_programFolder;
    DeviceWorkingCopy m_workingCopy;
    MessageSink &m_sink;
    const FileWriter &m_writer;
    DateTime m_now;
    Editor m_editor;
    std::vector<HoroscopeRecord> m_records;
    bool m_fetchFailed = false;
    bool m_deviceDamaged = false; // the fetched file lost records when it was read
    int m_recordsRead = 0;
    bool m_unsaved = false; // the working copy does not hold the list shown
    QTreeWidget *m_list;
    QPushButton *m_edit;
    QPushButton *m_delete;
    QTimer m_buttonTimer;
};

} // namespace orvel
