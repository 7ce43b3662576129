#include "gui/CHoroscopeDlg.h"

#include "engine/CoordinateText.h"
#include "platform/MessageSink.h"
#include "platform/WaitCursor.h"
#include "gui/PlaceCombos.h"
#include "gui/SoftInputPanel.h"

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

// The locale's short date format with the year in four digits: two would turn 1571
// into "71".
QString fourDigitYearFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QLabel *label(const QString &text, QWidget *buddy)
{
    auto *caption = new QLabel(text);
    caption->setBuddy(buddy);
    return caption;
}

} // namespace

CHoroscopeDlg::CHoroscopeDlg(const HoroscopeRecord &record, const HoroscopeDialogVariant &variant,
                             const QString &databaseFolder, MessageSink &ui, SoftInputPanel *panel, QWidget *parent)
    : QDialog(parent), m_record(record), m_variant(variant), m_ui(ui), m_panel(variant.softInputPanel ? panel : nullptr),
      m_database(databaseFolder, QString(), ui, variant.database)
{
    createControls();
    m_combos = new PlaceCombos(m_database, m_countries, m_cities);

    connect(m_countries, &QComboBox::activated, this, [this] {
        m_countryChosen = true;
        m_placeTouched = true;
        fillCities(m_cities->currentText(), false);
    });
    connect(m_combos, &PlaceCombos::placeChanged, this, [this] {
        m_placeTouched = true;
        takeOverPlace();
    });
    connect(m_other, &QCheckBox::clicked, this, [this] {
        m_placeTouched = true;
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
    m_datePicker = new QDateEdit;
    m_datePicker->setDateRange(firstDate(), lastDate());
    m_datePicker->setDate(QDate::currentDate());
    m_datePicker->setDisplayFormat(fourDigitYearFormat());
    m_datePicker->setCalendarPopup(true);
    m_timePicker = new QTimeEdit(QTime::currentTime());
    m_timePicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_countries = new QComboBox;
    m_cities = new QComboBox;
    m_typedCity = new QLineEdit;
    m_other = new QCheckBox(tr("&Other"));
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
    m_timePicker->setAccessibleName(tr("Time:"));
    m_typedCity->setAccessibleName(tr("City:"));

    // Rows as on the handheld's screen: captions left, the city field and the typed
    // city in one place with the Other box beside them, both coordinates in one row.
    auto *grid = new QGridLayout;
    const int first = m_variant.pictures.isEmpty() ? 0 : 1;
    grid->addWidget(label(tr("&Name:"), m_name), 0, first);
    grid->addWidget(m_name, 0, first + 1, 1, 4);
    grid->addWidget(label(tr("&Date:"), m_datePicker), 1, first);
    grid->addWidget(m_datePicker, 1, first + 1, 1, 2);
    grid->addWidget(m_timePicker, 1, first + 3);
    grid->addWidget(label(tr("&Country:"), m_countries), 2, first);
    grid->addWidget(m_countries, 2, first + 1, 1, 4);
    grid->addWidget(label(tr("C&ity:"), m_cities), 3, first);
    grid->addWidget(m_cities, 3, first + 1, 1, 3);
    grid->addWidget(m_typedCity, 3, first + 1, 1, 3);
    grid->addWidget(m_other, 3, first + 4);
    grid->addWidget(label(tr("&Time zone:"), m_timeZone), 4, first);
    grid->addWidget(m_timeZone, 4, first + 1, 1, 4);
    grid->addWidget(label(tr("&Latitude:"), m_latitude), 5, first);
    grid->addWidget(m_latitude, 5, first + 1);
    grid->addWidget(label(tr("Lon&gitude:"), m_longitude), 5, first + 2);
    grid->addWidget(m_longitude, 5, first + 3, 1, 2);
    grid->addWidget(m_clockChange, 6, 0, 1, first + 5);
    for (int row = 0; row < m_variant.pictures.size() && row < 6; ++row) {
        auto *picture = new QLabel;
        picture->setPixmap(QPixmap(m_variant.pictures[row]));
        grid->addWidget(picture, row, 0);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
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
    m_openedTimeZone = QString::asprintf("%.4f", m_record.deltaGmt);
    m_timeZone->setText(m_openedTimeZone);
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
    if (!m_combos->fillCities(text))
        return false;
    const PlaceRecord *place = m_combos->chosenPlace();
    if (opening && !m_record.city.isEmpty() && !(place && place->name == m_record.city)) {
        // The record's place was typed in by hand: keep its values.
        m_other->setChecked(true);
        showCityControls();
    }
    if (!opening)
        takeOverPlace();
    return true;
}

void CHoroscopeDlg::takeOverPlace(bool wholePlace)
{
    // A place typed in by hand (Other) is the user's: a changed date or country must
    // not replace it with the hidden city list's place.
    if (m_other->isChecked())
        return;
    WaitCursor busy(m_ui);
    readDateTime();
    const PlaceRecord *place = m_combos->chosenPlace();
    if (!place) {
        // What OK would store is no place: nothing may look as if it were one.
        m_typedCity->setText(m_cities->currentText());
        for (QLineEdit *field : {m_timeZone, m_latitude, m_longitude})
            field->clear();
        showClockChange(std::nullopt, 0.0);
        return;
    }
    const DateTime moment(m_date.year(), m_date.month(), m_date.day(), m_time.hour(), m_time.minute(),
                          m_time.second());
    double offset = 0.0;
    if (!m_database.GetDeltaGMT(moment, place->tableCode, place->zone, offset))
        offset = 0.0;
    m_timeZone->setText(QString::asprintf("%.4f", offset));
    if (wholePlace) {
        m_typedCity->setText(place->name);
        m_latitude->setText(place->latitude);
        m_longitude->setText(place->longitude);
    }
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
    m_clockChange->setText((repeated ? tr("Clock change: this time occurs twice; %1 is used.")
                                     : tr("Clock change: this time does not exist; %1 is used."))
                               .arg(offsetText(used)));
    m_clockChange->show();
}

bool CHoroscopeDlg::eventFilter(QObject *watched, QEvent *event)
{
    const bool picker = watched == m_datePicker || watched == m_timePicker;
    if (event->type() == QEvent::FocusIn && m_panel) {
        m_panel->setUp(this, true);
    } else if (event->type() == QEvent::FocusOut) {
        if (picker) {
            // The offset may depend on the date; a place the user left alone keeps
            // the record's coordinates, which may be more exact than the database's.
            if (readDateTime())
                takeOverPlace(m_placeTouched);
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
    if (!m_date.isValid() || !m_time.isValid())
        return false;
    const bool other = m_other->isChecked();
    const PlaceRecord *place = other ? nullptr : m_combos->chosenPlace();
    if (!other && !place)
        return refuse(m_cities, m_combos->noPlaceMessage(true));

    const QString zoneText = m_timeZone->text();
    const std::optional<double> zone = timeZoneHours(zoneText);
    if (!zone)
        return refuse(m_timeZone, tr("Invalid time zone!"));
    const struct {
        QLineEdit *field;
        CoordinateAxis axis;
    } coordinates[] = {{m_latitude, CoordinateAxis::Latitude}, {m_longitude, CoordinateAxis::Longitude}};
    for (const auto &coordinate : coordinates) {
        const QString text = coordinate.field->text();
        // A place typed by hand needs both coordinates; one from the database is taken as it is.
        if (text.isEmpty() ? other : !checkCoordinateText(text, coordinate.axis))
            return refuse(coordinate.field, tr("Invalid coordinates!"));
    }

    m_record.name = m_name->text();
    m_record.birth = DateTime(m_date.year(), m_date.month(), m_date.day(), m_time.hour(), m_time.minute(),
                              m_time.second());
    // A place typed by hand keeps the record's country (none for a new record) unless
    // the user chose one.
    if (!other || m_countryChosen)
        m_record.country = m_countries->currentText();
    m_record.city = other ? m_typedCity->text() : place->name;
    // The field shows four decimals of the record's offset: left alone, the record
    // keeps all of them.
    if (m_placeTouched || zoneText != m_openedTimeZone)
        m_record.deltaGmt = *zone;
    m_record.latitude = m_latitude->text();
    m_record.longitude = m_longitude->text();
    return true;
}

bool CHoroscopeDlg::refuse(QWidget *field, const QString &message)
{
    field->setFocus();
    m_ui.showMessage(message);
    return false;
}

} // namespace orvel
