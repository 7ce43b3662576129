#pragma once

#include "desktop/horoscopes/HoroscopeFileSync.h"
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
class MessageSink;
class PlaceDatabase;

// Lists, adds, edits and deletes the horoscopes stored on the handheld, and imports and
// exports them as AAF files. Works on a working copy of the handheld's horoscope file
// beside the program (HoroscopeFileSync): fetched at opening, rewritten after every
// change, stored back on the handheld at Exit. List rows and records are in the same order.
class CHoroscopeManagerDlg : public QDialog {
    Q_OBJECT
public:
    // Edits the record it is given, a copy of the listed one; true on OK, which hands the
    // copy over. The program opens the horoscope edit dialog.
    using Editor = std::function<bool(HoroscopeRecord &)>;

    // The questions Exit may ask before it replaces the device's file.
    static QString staleQuestion() { return HoroscopeFileSync::staleQuestion(); }
    static QString damagedQuestion(int recordsRead) { return HoroscopeFileSync::damagedQuestion(recordsRead); }
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
    QString workingCopy() const { return m_sync.workingCopy(); }

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
    void fillList();
    void setRow(int row, const HoroscopeRecord &record);
    HoroscopeRecord newRecord() const;
    // The PC's place database, with the last-used-country file beside the program.
    PlaceDatabase placeDatabase() const;
    // Runs the edit dialog on `record`, which takes the entries over only on OK.
    bool runEditor(HoroscopeRecord &record);
    // The file types Import and Export offer.
    static QString fileFilter();
    void updateButtons();

    QString m_programFolder;
    HoroscopeFileSync m_sync;
    MessageSink &m_sink;
    const FileWriter &m_writer;
    DateTime m_now;
    Editor m_editor;
    std::vector<HoroscopeRecord> m_records;
    QTreeWidget *m_list;
    QPushButton *m_edit;
    QPushButton *m_delete;
    QTimer m_buttonTimer;
};

} // namespace orvel
