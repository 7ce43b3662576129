#include "handheld/CSolarDlg.h"

#include "platform/Clock.h"
#include "platform/MessageSink.h"
#include "platform/WaitCursor.h"
#include "gui/PlaceCombos.h"
#include "gui/SoftInputPanel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvel {

CSolarDlg::CSolarDlg(const HoroscopeRecord &birth, const QString &databaseFolder, const Clock &clock,
                     MessageSink &ui, SoftInputPanel &panel, QWidget *parent)
    : QDialog(parent), m_birth(birth), m_clock(clock), m_ui(ui), m_panel(panel),
      m_database(databaseFolder, QString(), ui)
{
    setWindowTitle(tr("Solar"));
    auto *request = new QLabel(tr("Please enter the year and select the city for Solar."));
    request->setWordWrap(true);
    m_yearEdit = new QLineEdit;
    m_yearEdit->setObjectName(QStringLiteral("year"));
    m_countries = new QComboBox;
    m_countries->setObjectName(QStringLiteral("country"));
    m_cities = new QComboBox;
    m_cities->setObjectName(QStringLiteral("city"));
    m_combos = new PlaceCombos(m_database, m_countries, m_cities);

    // The spin arrows beside the year step it within the allowed years.
    auto *up = new QToolButton;
    auto *down = new QToolButton;
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    up->setObjectName(QStringLiteral("yearUp"));
    down->setObjectName(QStringLiteral("yearDown"));
    up->setAccessibleName(tr("Next year"));
    down->setAccessibleName(tr("Previous year"));
    connect(up, &QToolButton::clicked, this, [this] { step(1); });
    connect(down, &QToolButton::clicked, this, [this] { step(-1); });
    auto *spin = new QVBoxLayout;
    spin->setSpacing(0);
    spin->addWidget(up);
    spin->addWidget(down);

    auto *yearLabel = new QLabel(tr("&Year:"));
    yearLabel->setBuddy(m_yearEdit);
    auto *countryLabel = new QLabel(tr("&Country:"));
    countryLabel->setBuddy(m_countries);
    auto *cityLabel = new QLabel(tr("C&ity:"));
    cityLabel->setBuddy(m_cities);
    auto *grid = new QGridLayout;
    grid->addWidget(request, 0, 0, 1, 4);
    grid->addWidget(yearLabel, 1, 0);
    grid->addWidget(m_yearEdit, 1, 1);
    grid->addLayout(spin, 1, 2);
    grid->addWidget(countryLabel, 2, 0);
    grid->addWidget(m_countries, 2, 1, 1, 3);
    grid->addWidget(cityLabel, 3, 0);
    grid->addWidget(m_cities, 3, 1, 1, 3);
    grid->setColumnStretch(3, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CSolarDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(buttons);

    // A chosen country offers no places until a letter is typed.
    connect(m_countries, &QComboBox::activated, this, [this] { m_combos->fillCities(QString()); });
    connect(m_yearEdit, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            m_yearText = text;
        else
            m_yearEdit->setText(m_yearText);
    });
    for (QWidget *field : {static_cast<QWidget *>(m_yearEdit), static_cast<QWidget *>(m_countries),
                           static_cast<QWidget *>(m_cities)})
        field->installEventFilter(this);
}

CSolarDlg::~CSolarDlg() = default;

int CSolarDlg::currentYear() const
{
    return m_clock.now().year();
}

bool CSolarDlg::OnInitDialog()
{
    WaitCursor busy(m_ui);
    if (!m_combos->fillCountries(m_birth.country) || !m_combos->fillCities(m_birth.city))
        return false;
    m_yearText = QString::number(currentYear());
    m_yearEdit->setText(m_yearText);
    return true;
}

int CSolarDlg::exec()
{
    if (!OnInitDialog())
        return QDialog::Rejected;
    return QDialog::exec();
}

void CSolarDlg::step(int years)
{
    const int year = std::clamp(m_yearEdit->text().toInt() + years, m_birth.birth.year(), LastYear);
    m_yearText = QString::number(year);
    m_yearEdit->setText(m_yearText);
}

bool CSolarDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        m_panel.setUp(this, true);
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == m_yearEdit) {
            const QString text = m_yearEdit->text().trimmed();
            if (text.isEmpty() || !yearInRange(text.toInt())) {
                m_yearText = QString::number(currentYear());
                m_yearEdit->setText(m_yearText);
            }
        }
        m_panel.setUp(this, false);
    }
    return QDialog::eventFilter(watched, event);
}

void CSolarDlg::accept()
{
    const int year = m_yearEdit->text().trimmed().toInt();
    if (!yearInRange(year)) {
        m_yearEdit->setFocus();
        return;
    }
    const PlaceRecord *place = m_combos->chosenPlace();
    const CountryRecord *country = m_combos->selectedCountry();
    if (!place || !country) {
        m_cities->setFocus();
        m_ui.showMessage(m_combos->noPlaceMessage(false));
        return;
    }
    m_year = year;
    m_place = place->chartPlace(country->name);
    QDialog::accept();
}

} // namespace orvel
