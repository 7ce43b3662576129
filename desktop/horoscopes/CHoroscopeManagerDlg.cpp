#include "desktop/horoscopes/CHoroscopeManagerDlg.h"

#include "desktop/horoscopes/AafReport.h"
#include "placedb/PlaceDatabase.h"
#include "placedb/PlaceOffsetLookup.h"
#include "platform/MessageSink.h"
#include "platform/WaitCursor.h"
#include "gui/CHoroscopeDlg.h"
#include "storage/AafFile.h"
#include "storage/HoroscopeList.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace orvel {

CHoroscopeManagerDlg::CHoroscopeManagerDlg(const QString &programFolder, DeviceLink &device, MessageSink &sink,
                                           const DateTime &now, Editor editor, QWidget *parent,
                                           const FileWriter &writer)
    : QDialog(parent), m_programFolder(programFolder), m_sync(programFolder, device, sink, writer), m_sink(sink),
      m_writer(writer), m_now(now), m_editor(std::move(editor))
{
    setWindowTitle(tr("Horoscopes manager"));
    m_list = new QTreeWidget(this);
    m_list->setAccessibleName(tr("Horoscopes"));
    m_list->setHeaderLabels({tr("Name"), tr("City")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setColumnWidth(0, 160);
    m_list->setColumnWidth(1, 240);
    m_list->setMinimumSize(420, 260);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CHoroscopeManagerDlg::edit);

    const auto button = [this](const QString &text, void (CHoroscopeManagerDlg::*slot)()) {
        auto *b = new QPushButton(text, this);
        b->setAutoDefault(false); // Enter must not press the focused button
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    QPushButton *add = button(tr("&Add"), &CHoroscopeManagerDlg::add);
    m_edit = button(tr("&Edit"), &CHoroscopeManagerDlg::edit);
    m_delete = button(tr("&Delete"), &CHoroscopeManagerDlg::remove);
    QPushButton *importButton = button(tr("&Import..."), &CHoroscopeManagerDlg::chooseImportFile);
    QPushButton *exportButton = button(tr("Ex&port..."), &CHoroscopeManagerDlg::chooseExportFile);
    QPushButton *exit = button(tr("E&xit"), &CHoroscopeManagerDlg::reject);
    auto *picture = new QLabel(this);
    picture->setPixmap(QIcon(QStringLiteral(":/desktop/horoscopes.svg")).pixmap(48, 48));

    auto *buttons = new QVBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(add), static_cast<QWidget *>(m_edit), static_cast<QWidget *>(m_delete),
                       static_cast<QWidget *>(importButton), static_cast<QWidget *>(exportButton)})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(picture, 0, Qt::AlignHCenter);
    buttons->addWidget(exit);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    m_buttonTimer.setInterval(10);
    connect(&m_buttonTimer, &QTimer::timeout, this, &CHoroscopeManagerDlg::updateButtons);
    updateButtons();
}

void CHoroscopeManagerDlg::load()
{
    WaitCursor busy(m_sink);
    m_buttonTimer.start();
    m_records = m_sync.open(m_now);
    HoroscopeList(m_records).fill(editVariant().newRecordName, m_now);
    fillList();
}

void CHoroscopeManagerDlg::fillList()
{
    m_list->clear();
    for (std::size_t row = 0; row < m_records.size(); ++row) {
        new QTreeWidgetItem(m_list);
        setRow(int(row), m_records[row]);
    }
}

void CHoroscopeManagerDlg::setRow(int row, const HoroscopeRecord &record)
{
    QTreeWidgetItem *item = m_list->topLevelItem(row);
    item->setText(0, record.name);
    item->setText(1, record.city);
}

HoroscopeDialogVariant CHoroscopeManagerDlg::editVariant()
{
    QStringList pictures;
    for (const char *row : {"name", "date", "country", "city", "zone", "coordinates"})
        pictures.append(QStringLiteral(":/desktop/horoscope-%1.svg").arg(QLatin1String(row)));
    return {tr("Horoscop"), tr("(New horoscope)"), pictures, PlaceDatabase::Variant::Desktop, false};
}

HoroscopeRecord CHoroscopeManagerDlg::newRecord() const
{
    HoroscopeRecord record = HoroscopeRecord::createDefault(m_now);
    record.name = editVariant().newRecordName;
    return record;
}

PlaceDatabase CHoroscopeManagerDlg::placeDatabase() const
{
    return PlaceDatabase(m_programFolder + u'/' + PlaceDatabase::FolderName,
                         m_programFolder + u'/' + PlaceDatabase::LastCountryFileName, m_sink,
                         PlaceDatabase::Variant::Desktop);
}

bool CHoroscopeManagerDlg::runEditor(HoroscopeRecord &record)
{
    // The editor works on a copy: only OK hands the entries over.
    HoroscopeRecord edited = record;
    bool ok = false;
    if (m_editor) {
        ok = m_editor(edited);
    } else {
        CHoroscopeDlg dialog(record, m_now, editVariant(),
                             m_programFolder + u'/' + PlaceDatabase::FolderName, m_sink, nullptr, this);
        ok = dialog.exec() == QDialog::Accepted;
        edited = dialog.record();
    }
    if (!ok)
        return false;
    record = std::move(edited);
    // A place typed by hand may have no country; the last one used then stays.
    if (!record.country.isEmpty())
        placeDatabase().SaveLastCountry(record.country, m_writer);
    return true;
}

void CHoroscopeManagerDlg::add()
{
    HoroscopeRecord record = newRecord();
    placeDatabase().LoadLastCountry(record.country);
    if (!runEditor(record))
        return;
    // The new record goes first and the one it displaces to the end: both rows change.
    HoroscopeList(m_records).add(std::move(record));
    new QTreeWidgetItem(m_list);
    setRow(int(m_records.size()) - 1, m_records.back());
    setRow(0, m_records.front());
    m_sync.write(m_records);
}

void CHoroscopeManagerDlg::edit()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = selected.first().row();
    if (!runEditor(m_records[row]))
        return;
    setRow(row, m_records[row]);
    m_sync.write(m_records);
}

void CHoroscopeManagerDlg::remove()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = selected.first().row();
    if (!HoroscopeList(m_records).remove(row, [this] { return m_sink.askYesNo(tr("Delete?")); }))
        return;
    delete m_list->takeTopLevelItem(row);
    m_sync.write(m_records);
    m_list->setFocus();
}

bool CHoroscopeManagerDlg::importFile(const QString &path)
{
    PlaceDatabase database = placeDatabase();
    PlaceOffsetLookup places(database);
    const Result<std::vector<AafEntry>> loaded = AafFile::load(path, places);
    if (!loaded) {
        m_sink.showMessage(loaded.message());
        return false;
    }
    const AafReport report = AafReport::ofImport(loaded.value());
    if (report.horoscopes() == 0) {
        m_sink.showMessage(report.text());
        return false;
    }
    for (const AafEntry &entry : loaded.value()) {
        if (entry.horoscope)
            m_records.push_back(*entry.horoscope);
    }
    fillList();
    m_sync.write(m_records);
    m_sink.showInformation(report.text());
    return true;
}

bool CHoroscopeManagerDlg::exportFile(const QString &path)
{
    PlaceDatabase database = placeDatabase();
    PlaceOffsetLookup places(database);
    const Result<std::vector<AafEntry>> saved =
        AafFile::save(path, m_records, places, AafFile::Encoding::Windows1252, m_writer);
    if (!saved) {
        m_sink.showMessage(saved.message());
        return false;
    }
    m_sink.showInformation(AafReport::ofExport(saved.value()).text());
    return true;
}

QString CHoroscopeManagerDlg::exportPath(const QString &chosen)
{
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + (chosen.endsWith(u'.') ? QStringLiteral("aaf") : QStringLiteral(".aaf"));
}

QString CHoroscopeManagerDlg::fileFilter()
{
    return tr("AAF files (*.aaf);;All files (*)");
}

void CHoroscopeManagerDlg::chooseImportFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import"), m_programFolder, fileFilter());
    if (!path.isEmpty())
        importFile(path);
}

void CHoroscopeManagerDlg::chooseExportFile()
{
    QFileDialog dialog(this, tr("Export"), m_programFolder, fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog asks before replacing a file under the name with its suffix.
    dialog.setDefaultSuffix(QStringLiteral("aaf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportFile(exportPath(dialog.selectedFiles().first()));
}

void CHoroscopeManagerDlg::reject()
{
    m_sync.storeAtExit(m_records);
    m_buttonTimer.stop();
    QDialog::reject();
}

void CHoroscopeManagerDlg::updateButtons()
{
    const bool selected = !m_list->selectedItems().isEmpty();
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
}

} // namespace orvel
