#include "tools/orvelchart/ChartJson.h"

#include "engine/ChartCommands.h"
#include "engine/ChartScores.h"
#include "placedb/CountryRecord.h"
#include "placedb/PlaceRecord.h"
#include "storage/SettingsFile.h"
#include "tools/orvelchart/JsonWriter.h"

namespace orvel {

namespace {

// Room for a chart's text, which takes about 2,500 bytes.
constexpr qsizetype ChartBytes = 4096;

// The aspect's text "%02d%02d%02d" written in place: its parts are point and kind numbers below 100.
void writeAspect(JsonWriter &json, const AspectCode &aspect)
{
    const char code[6] = {char('0' + aspect.first / 10), char('0' + aspect.first % 10),
                          char('0' + aspect.kind / 10),  char('0' + aspect.kind % 10),
                          char('0' + aspect.second / 10), char('0' + aspect.second % 10)};
    json.value(code, sizeof code);
}

} // namespace

QByteArray ChartJson::chart(const ChartEngine &engine, const ChartCommands &commands, const ChartSettings &settings)
{
    JsonWriter json(ChartBytes);
    json.beginObject();
    json.member("mode", static_cast<int>(commands.mode()));
    json.member("slot", engine.currentSlot());
    json.key("slots");
    json.beginArray();
    for (int s = 0; s < SlotCount; ++s) {
        const ChartSlot &slot = engine.slot(s);
        json.beginObject();
        json.arrayMember("longitude", slot.longitude);
        json.arrayMember("speed", slot.speed);
        json.arrayMember("cusp", slot.cusp);
        json.arrayMember("level", slot.level);
        json.endObject();
    }
    json.endArray();
    json.key("aspects");
    json.beginArray();
    for (const AspectCode &aspect : engine.aspects())
        writeAspect(json, aspect);
    json.endArray();
    const ChartScores scores(engine.slot(engine.currentSlot()), settings);
    json.arrayMember("elements", scores.elementScores());
    json.arrayMember("qualities", scores.qualityScores());
    if (commands.mode() == ChartMode::Solar && commands.solarPlace()) {
        json.key("solar");
        json.beginObject();
        json.member("moment", commands.solarMoment().toText());
        json.member("city", commands.solarPlace()->city);
        json.member("latitude", commands.solarPlace()->latitude);
        json.member("longitude", commands.solarPlace()->longitude);
        json.endObject();
    }
    json.endObject();
    return json.text();
}

QByteArray ChartJson::horoscopes(const std::vector<HoroscopeRecord> &list)
{
    JsonWriter json;
    json.beginArray();
    for (const HoroscopeRecord &r : list) {
        json.beginObject();
        json.member("name", r.name);
        json.member("date", r.birth.toText());
        json.member("city", r.city);
        json.member("country", r.country);
        json.member("latitude", r.latitude);
        json.member("longitude", r.longitude);
        json.member("delta_gmt", r.deltaGmt);
        json.endObject();
    }
    json.endArray();
    return json.text();
}

QByteArray ChartJson::settings(const ChartSettings &s)
{
    JsonWriter json;
    json.beginObject();
    SettingsFile::visitKeys(s, [&json](const char *key, int rows, int columns, const std::vector<int> &values) {
        json.key(key);
        if (rows == 0) {
            json.value(values.front());
        } else if (columns == 0) {
            json.array(values);
        } else {
            json.beginArray();
            for (int row = 0; row < rows; ++row)
                json.array(std::vector<int>(values.begin() + row * columns, values.begin() + (row + 1) * columns));
            json.endArray();
        }
    });
    json.endObject();
    return json.text();
}

QByteArray ChartJson::countries(const std::vector<CountryRecord> &list)
{
    JsonWriter json;
    json.beginArray();
    for (const CountryRecord &c : list) {
        json.beginObject();
        json.member("code", c.code);
        json.member("name", c.name);
        json.endObject();
    }
    json.endArray();
    return json.text();
}

QByteArray ChartJson::places(const std::vector<PlaceRecord> &list)
{
    JsonWriter json;
    json.beginArray();
    for (const PlaceRecord &p : list) {
        json.beginObject();
        json.member("number", p.number);
        json.member("table", p.tableCode);
        json.member("name", p.name);
        json.member("zone", p.zone);
        json.member("latitude", p.latitude);
        json.member("longitude", p.longitude);
        json.endObject();
    }
    json.endArray();
    return json.text();
}

QByteArray ChartJson::offset(bool ok, double offset, const std::optional<ClockChange> &change)
{
    JsonWriter json;
    json.beginObject();
    json.member("ok", ok);
    json.member("offset", offset);
    json.key("clock_change");
    if (change) {
        json.beginObject();
        json.member("kind", change->kind == ClockChange::Kind::Repeated ? QStringLiteral("repeated")
                                                                                : QStringLiteral("skipped"));
        json.member("before", change->before);
        json.member("after", change->after);
        json.endObject();
    } else {
        json.value(nullptr);
    }
    json.endObject();
    return json.text();
}

} // namespace orvel
