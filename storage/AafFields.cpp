#include "storage/AafFields.h"

#include <QList>

#include <cmath>
#include <vector>

namespace orvel {

namespace {

// A run of decimal digits only, as a number; nothing for anything else.
std::optional<int> digits(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// Between `least` and `most` numbers separated by `separator`: "27.9.1970", "11:04".
std::optional<std::vector<int>> numbers(QStringView text, QChar separator, qsizetype least, qsizetype most)
{
    const QList<QStringView> parts = text.split(separator);
    if (parts.size() < least || parts.size() > most)
        return std::nullopt;
    std::vector<int> values;
    for (const QStringView part : parts) {
        const std::optional<int> value = digits(part.trimmed());
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

// Minutes and seconds after the letter of an angle or zone: "05", "11:30".
std::optional<double> minutes(QStringView text)
{
    const auto parts = numbers(text, u':', 1, 2);
    if (!parts || (*parts)[0] > 59 || (parts->size() == 2 && (*parts)[1] > 59))
        return std::nullopt;
    return (*parts)[0] / 60.0 + (parts->size() == 2 ? (*parts)[1] / 3600.0 : 0.0);
}

// "49n05", "8e11:30", "122w25" as signed degrees within `limit`.
std::optional<double> angle(const QString &text, QChar positive, QChar negative, int limit)
{
    const QString lower = text.toLower();
    qsizetype at = lower.indexOf(positive);
    const bool isNegative = at < 0;
    if (isNegative)
        at = lower.indexOf(negative);
    if (at <= 0)
        return std::nullopt;
    const std::optional<int> degrees = digits(QStringView(lower).first(at));
    const std::optional<double> rest = minutes(QStringView(lower).sliced(at + 1));
    if (!degrees || !rest || *degrees + *rest > limit)
        return std::nullopt;
    return isNegative ? -(*degrees + *rest) : *degrees + *rest;
}

} // namespace

bool AafFields::isUnknown(const QString &field)
{
    return field.isEmpty() || field == u"*";
}

QStringView AafFields::trimmed(QStringView text)
{
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f'; };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

std::optional<AafWrittenDate> AafFields::date(const QString &text)
{
    QStringView year = QStringView(text).trimmed();
    CalendarMark mark = CalendarMark::None;
    if (year.endsWith(u'g', Qt::CaseInsensitive))
        mark = CalendarMark::Gregorian;
    else if (year.endsWith(u'j', Qt::CaseInsensitive))
        mark = CalendarMark::Julian;
    if (mark != CalendarMark::None)
        year.chop(1);
    const auto d = numbers(year, u'.', 3, 3);
    if (!d)
        return std::nullopt;
    return AafWrittenDate{{(*d)[2], (*d)[1], (*d)[0]}, mark};
}

std::optional<int> AafFields::time(const QString &text)
{
    QString t = text;
    const qsizetype hours = t.indexOf(u'h', 0, Qt::CaseInsensitive);
    const qsizetype colon = t.indexOf(u':');
    if (hours >= 0 && (colon < 0 || hours < colon))
        t[hours] = u':';
    const auto parts = numbers(t, u':', 1, 3);
    if (!parts || (*parts)[0] > 23)
        return std::nullopt;
    int seconds = (*parts)[0] * 3600;
    for (std::size_t i = 1; i < parts->size(); ++i) {
        if ((*parts)[i] > 59)
            return std::nullopt;
        seconds += (*parts)[i] * (i == 1 ? 60 : 1);
    }
    return seconds;
}

std::optional<double> AafFields::latitude(const QString &text)
{
    return angle(text, u'n', u's', 90);
}

std::optional<double> AafFields::longitude(const QString &text)
{
    return angle(text, u'e', u'w', 180);
}

std::optional<double> AafFields::zone(const QString &text)
{
    const QString lower = text.toLower();
    qsizetype at = lower.indexOf(u'e');
    const bool west = at < 0;
    if (west)
        at = lower.indexOf(u'w');
    if (at <= 0)
        return std::nullopt;
    QStringView hoursText = QStringView(lower).first(at);
    if (hoursText.endsWith(u'h'))
        hoursText.chop(1);
    const std::optional<int> hours = digits(hoursText);
    const QStringView rest = QStringView(lower).sliced(at + 1);
    const std::optional<double> fraction = rest.isEmpty() ? std::optional(0.0) : minutes(rest);
    if (!hours || !fraction || *hours + *fraction > MaxOffsetHours)
        return std::nullopt;
    return west ? -(*hours + *fraction) : *hours + *fraction;
}

AafDaylight AafFields::daylight(const QString &text)
{
    if (text.compare(u"L", Qt::CaseInsensitive) == 0)
        return {AafDaylight::Kind::LocalMeanTime, 0};
    if (isUnknown(text))
        return {};
    bool ok = false;
    const double hours = text.toDouble(&ok);
    if (!ok || !std::isfinite(hours) || std::abs(hours) > 3)
        return {AafDaylight::Kind::NotUnderstood, 0};
    return {AafDaylight::Kind::Hours, hours};
}

std::optional<double> AafFields::julianDay(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    // The Julian days of the years 100 to 9999.
    return ok && value > 1757583.5 && value < 5373484.5 ? std::optional(value) : std::nullopt;
}

} // namespace orvel
