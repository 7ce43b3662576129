#include "tools/orvelchart/ChartJson.h"

#include "engine/ChartCommands.h"
#include "engine/ChartScores.h"
#include "placedb/CountryRecord.h"
#include "placedb/PlaceRecord.h"
#include "tools/orvelchart/JsonWriter.h"

namespace orvel {

QByteArray ChartJson::chart(const ChartEngine &engine, const ChartCommands &commands, const ChartSettings &settings)
{
    JsonWriter json;
    json.beginObject();
    json.key("mode");
    json.value(static_cast<int>(commands.mode()));
    json.key("slot");
    json.value(engine.currentSlot());
    json.key("slots");
    json.beginArray();
    for (int s = 0; s < SlotCount; ++s) {
        const ChartSlot &slot = engine.slot(s);
        json.beginObject();
        json.key("longitude");
        json.array(slot.longitude);
        json.key("speed");
        json.array(slot.speed);
        json.key("cusp");
        json.array(slot.cusp);
        json.key("level");
        json.array(slot.level);
        json.endObject();
    }
    json.endArray();
    json.key("aspects");
    json.beginArray();
    for (const AspectCode &aspect : engine.aspects())
        json.value(aspect.text());
    json.endArray();
    const ChartScores scores(engine.slot(engine.currentSlot()), settings);
    json.key("elements");
    json.array(scores.elementScores());
    json.key("qualities");
    json.array(scores.qualityScores());
    if (commands.mode() == ChartMode::Solar && commands.solarPlace()) {
        json.key("solar");
        json.beginObject();
        json.key("moment");
        json.value(commands.solarMoment().toText());
        json.key("city");
        json.value(commands.solarPlace()->city);
        json.key("latitude");
        json.value(commands.solarPlace()->latitude);
        json.key("longitude");
        json.value(commands.solarPlace()->longitude);
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
        json.key("name");
        json.value(r.name);
        json.key("date");
        json.value(r.birth.toText());
        json.key("city");
        json.value(r.city);
        json.key("country");
        json.value(r.country);
        json.key("latitude");
        json.value(r.latitude);
        json.key("longitude");
        json.value(r.longitude);
        json.key("delta_gmt");
        json.value(r.deltaGmt);
        json.endObject();
    }
    json.endArray();
    return json.text();
}

QByteArray ChartJson::settings(const ChartSettings &s)
{
    JsonWriter json;
    json.beginObject();
    json.key("Hide_Houses");
    json.value(s.hideHouses);
    json.key("Hide_Aspects");
    json.value(s.hideAspects);
    json.key("House_System");
    json.value(s.houseSystem);
    json.key("Punkten_Bewerten");
    json.value(s.rulerBonus);
    json.key("Bewertung");
    json.value(s.scoringSwitch);
    json.key("Planet_Wert");
    json.array(s.planetValues);
    json.key("Planet_Farbe");
    json.array(s.planetColours);
    json.key("Planet_Sign");
    json.array(s.planetGlyphs);
    json.key("Element_Farbe");
    json.array(s.elementColours);
    json.key("Tier_Sign");
    json.array(s.signGlyphs);
    json.key("Asp_Grad");
    json.array(s.aspectAngles);
    json.key("Asp_Sign");
    json.array(s.aspectGlyphs);
    json.key("Asp_Farbe");
    json.array(s.aspectColours);
    json.key("Radix_Orbis");
    json.beginArray();
    for (const auto &orbs : s.orbs)
        json.array(orbs);
    json.endArray();
    json.endObject();
    return json.text();
}

QByteArray ChartJson::countries(const std::vector<CountryRecord> &list)
{
    JsonWriter json;
    json.beginArray();
    for (const CountryRecord &c : list) {
        json.beginObject();
        json.key("code");
        json.value(c.code);
        json.key("name");
        json.value(c.name);
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
        json.key("number");
        json.value(p.number);
        json.key("table");
        json.value(p.tableCode);
        json.key("name");
        json.value(p.name);
        json.key("zone");
        json.value(p.zone);
        json.key("latitude");
        json.value(p.latitude);
        json.key("longitude");
        json.value(p.longitude);
        json.endObject();
    }
    json.endArray();
    return json.text();
}

QByteArray ChartJson::offset(bool ok, double offset)
{
    JsonWriter json;
    json.beginObject();
    json.key("ok");
    json.value(ok);
    json.key("offset");
    json.value(offset);
    json.endObject();
    return json.text();
}

} // namespace orvel
