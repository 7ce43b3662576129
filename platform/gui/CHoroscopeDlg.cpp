#include "platform/gui/CHoroscopeDlg.h"

#include "engine/CoordinateText.h"
#include "placedb/ZoneFile.h"
#include "platform/MessageSink.h"
#include "platform/WaitCursor.h"
#include "platform/gui/PlaceCombos.h"
#include "platform/gui/SoftInputPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

#include <cmath>

namespace orvel {

namespace {

// "+2:00", "-3:30": the offset's sign, hours and two-digit minutes.
QString offsetText(double hours)
{
    const int minutes = int(std::lround(std::abs(hours) * 60));
    return QStringLiteral("UT%1%2:%3")
        .arg(hours < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QLabel *label(const QString &text, QWidget *buddy)
{
    auto *caption = new QLabel(text);
    caption->setBuddy(buddy);
    return caption;
}

} // namespace

CHoroscopeDlg::CHoroscopeDlg(HoroscopeRecord &record, const HoroscopeDialogVariant &variant,
                             const QString &databaseFolder, MessageSink &ui, SoftInputPanel *panel, QWidget *parent)
    : QDialog(parent), m_record(record), m_variant(variant), m_ui(ui), m_panel(variant.softInputPanel ? panel : nullptr),
      m_database(databaseFolder, QString(), ui, variant.database)
{
    createControls();
    m_combos = new PlaceCombos(m_database, m_countries, m_cities);

    connect(m_countries, &QComboBox::activated, this, [this] { fillCities(m_record.city, false); });
    connect(m_cities, &QComboBox::activated, this, [this] { takeOverPlace(); });
    connect(m_combos, &PlaceCombos::cityLetterTyped, this, [this](const QString &letter) { fillCities(letter, false); });
    connect(m_other, &QCheckBox::clicked, this, [this] {
        readDateTime();
        showCityControls();
        if (!m_other->isChecked())
            takeOverPlace();
    });
    // A changed offset no longer is the one a clock-change line names.
    connect(m_timeZone, &QLineEdit::textEdited, this, [this] { showClockChange(std::nullopt, 0.0); });
}

CHoroscopeDlg::~CHoroscopeDlg() = default;

void CHoroscopeDlg::createControls()
{
    m_name = new QLineEdit;
    m_datePicker = new QDateEdit(QDate::currentDate());
    m_datePicker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    m_datePicker->setCalendarPopup(true);
    m_timePicker = new QTimeEdit(QTime::currentTime());
    m_timePicker->setDisplayFormat(QStringLiteral("HH:mm"));
    m_countries = new QComboBox;
    m_cities = new QComboBox;
    m_typedCity = new QLineEdit;
    m_other = new QCheckBox(QStringLiteral("&Other"));
    m_timeZone = new QLineEdit;
    m_latitude = new QLineEdit;
    m_longitude = new QLineEdit;
    m_clockChange = new QLabel;
    m_clockChange->setWordWrap(true);
    m_clockChange->hide();
    m_name->setObjectName(QStringLiteral("name"));
    m_datePicker->setObjectName(QStringLiteral("date"));
    m_timePicker->setObjectName(QStringLiteral("time"));
    m_countries->setObjectName(QStringLiteral("country"));
    m_cities->setObjectName(QStringLiteral("city"));
    m_typedCity->setObjectName(QStringLiteral("typedCity"));
    m_other->setObjectName(QStringLiteral("other"));
    m_timeZone->setObjectName(QStringLiteral("timeZone"));
    m_latitude->setObjectName(QStringLiteral("latitude"));
    m_longitude->setObjectName(QStringLiteral("longitude"));
    m_clockChange->setObjectName(QStringLiteral("clockChange"));
    // Named for screen readers like the fields whose caption they share.
    m_timePicker->setAccessibleName(QStringLiteral("Time:"));
    m_typedCity->setAccessibleName(QStringLiteral("City:"));

    // Rows as on the handheld's screen: captions left, the city field and the typed
    // city in one place with the Other box beside them, both coordinates in one row.
    auto *grid = new QGridLayout;
    const int first = m_variant.pictures.isEmpty() ? 0 : 1;
    grid->addWidget(label(QStringLiteral("&Name:"), m_name), 0, first);
    grid->addWidget(m_name, 0, first + 1, 1, 4);
    grid->addWidget(label(QStringLiteral("&Date:"), m_datePicker), 1, first);
    grid->addWidget(m_datePicker, 1, first + 1, 1, 2);
    grid->addWidget(m_timePicker, 1, first + 3);
    grid->addWidget(label(QStringLiteral("&Country:"), m_countries), 2, first);
    grid->addWidget(m_countries, 2, first + 1, 1, 4);
    grid->addWidget(label(QStringLiteral("C&ity:"), m_cities), 3, first);
    grid->addWidget(m_cities, 3, first + 1, 1, 3);
    grid->addWidget(m_typedCity, 3, first + 1, 1, 3);
    grid->addWidget(m_other, 3, first + 4);
    grid->addWidget(label(QStringLiteral("&Time zone:"), m_timeZone), 4, first);
    grid->addWidget(m_timeZone, 4, first + 1, 1, 4);
    grid->addWidget(label(QStringLiteral("&Latitude:"), m_latitude), 5, first);
    grid->addWidget(m_latitude, 5, first + 1);
    grid->addWidget(label(QStringLiteral("Lon&gitude:"), m_longitude), 5, first + 2);
    grid->addWidget(m_longitude, 5, first + 3, 1, 2);
    grid->addWidget(m_clockChange, 6, 0, 1, first + 5);
    for (int row = 0; row < m_variant.pictures.size() && row < 6; ++row) {
        auto *picture = new QLabel;
        picture->setPixmap(QPixmap(m_variant.pictures[row]));
        grid->addWidget(picture, row, 0);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(buttons);
    setWindowTitle(m_variant.title);

    for (QWidget *field : std::initializer_list<QWidget *>{m_name, m_timeZone, m_latitude, m_longitude, m_typedCity,
                                                           m_countries, m_cities, m_datePicker, m_timePicker})
        field->installEventFilter(this);
}

bool CHoroscopeDlg::OnInitDialog()
{
    WaitCursor busy(m_ui);
    showCityControls();
    m_name->setText(m_record.name);
    if (m_record.birth.isValid()) {
        const DateTime &birth = m_record.birth;
        m_datePicker->setDate(QDate(birth.year(), birth.month(), birth.day()));
        m_timePicker->setTime(QTime(birth.hour(), birth.minute(), birth.second()));
    }
    m_date = m_datePicker->date();
    m_time = m_timePicker->time();
    m_typedCity->setText(m_record.city);
    m_timeZone->setText(QString::asprintf("%.4f", m_record.deltaGmt));
    m_latitude->setText(m_record.latitude);
    m_longitude->setText(m_record.longitude);
    return m_combos->fillCountries(m_record.country) && fillCities(m_record.city, true);
}

int CHoroscopeDlg::exec()
{
    if (!OnInitDialog())
        return QDialog::Rejected;
    return QDialog::exec();
}

void CHoroscopeDlg::showCityControls()
{
    const bool other = m_other->isChecked();
    m_cities->setEnabled(!other);
    m_cities->setVisible(!other);
    m_typedCity->setEnabled(other);
    m_typedCity->setVisible(other);
    if (other)
        showClockChange(std::nullopt, 0.0);
}

bool CHoroscopeDlg::fillCities(const QString &text, bool opening)
{
    if (!m_combos->fillCities(text, m_record.city))
        return false;
    const bool known = m_cities->findText(m_record.city, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
    if (opening && !known && !m_record.city.isEmpty()) {
        // The record's place was typed in by hand: keep its values.
        m_other->setChecked(true);
        showCityControls();
    }
    if (!opening)
        takeOverPlace();
    return true;
}

void CHoroscopeDlg::takeOverPlace()
{
    // A place typed in by hand (Other) is the user's: a changed date or country must
    // not replace it with the hidden city list's place.
    if (m_other->isChecked())
        return;
    WaitCursor busy(m_ui);
    readDateTime();
    const PlaceRecord *place = m_combos->selectPlace();
    if (!place)
        return;
    m_typedCity->setText(place->name);
    const DateTime moment(m_date.year(), m_date.month(), m_date.day(), m_time.hour(), m_time.minute(), 0);
    double offset = 0.0;
    if (!m_database.GetDeltaGMT(moment, place->tableCode, place->zone, offset))
        offset = 0.0;
    m_timeZone->setText(QString::asprintf("%.4f", offset));
    m_latitude->setText(place->latitude);
    m_longitude->setText(place->longitude);
    std::optional<ClockChange> change;
    m_database.GetClockChange(moment, place->tableCode, place->zone, change);
    showClockChange(change, offset);
}

bool CHoroscopeDlg::readDateTime()
{
    const QDate date = m_datePicker->date();
    const QTime time = m_timePicker->time();
    const bool changed = date != m_date || time != m_time;
    m_date = date;
    m_time = time;
    return changed;
}

void CHoroscopeDlg::showClockChange(const std::optional<ClockChange> &change, double used)
{
    if (!change) {
        m_clockChange->clear();
        m_clockChange->hide();
        return;
    }
    const bool repeated = change->kind == ClockChange::Kind::Repeated;
    m_clockChange->setText(QStringLiteral("Clock change: this time %1; %2 is used.")
                               .arg(repeated ? QStringLiteral("occurs twice") : QStringLiteral("does not exist"),
                                    offsetText(used)));
    m_clockChange->show();
}

bool CHoroscopeDlg::eventFilter(QObject *watched, QEvent *event)
{
    const bool picker = watched == m_datePicker || watched == m_timePicker;
    if (event->type() == QEvent::FocusIn && m_panel) {
        m_panel->setUp(this, true);
    } else if (event->type() == QEvent::FocusOut) {
        if (picker) {
            // The offset may depend on the date.
            if (readDateTime())
                takeOverPlace();
        } else if (m_panel) {
            m_panel->setUp(this, false);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CHoroscopeDlg::accept()
{
    if (store())
        QDialog::accept();
}

bool CHoroscopeDlg::store()
{
    readDateTime();
    m_record.name = m_name->text();
    if (!m_date.isValid() || !m_time.isValid())
        return false;
    m_record.birth = DateTime(m_date.year(), m_date.month(), m_date.day(), m_time.hour(), m_time.minute(),
                              m_time.second());
    m_record.country = m_countries->currentText();
    m_record.city = m_typedCity->text();
    m_record.deltaGmt = ZoneFile::decimalFraction(m_timeZone->text().toLatin1());

    const struct {
        QLineEdit *field;
        int limit;
        QString HoroscopeRecord::*stored;
    } coordinates[] = {{m_latitude, 90, &HoroscopeRecord::latitude}, {m_longitude, 180, &HoroscopeRecord::longitude}};
    for (const auto &coordinate : coordinates) {
        const QString text = coordinate.field->text();
        if (!checkCoordinateText(text, coordinate.limit)) {
            coordinate.field->setFocus();
            m_ui.showMessage(QStringLiteral("Invalid coordinates!"));
            return false;
        }
        m_record.*coordinate.stored = text;
    }
    return true;
}

} // namespace orvel
