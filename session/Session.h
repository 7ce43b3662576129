#pragma once

#include "engine/ChartCommands.h"
#include "engine/ChartEngine.h"
#include "engine/ChartScene.h"
#include "placedb/PlaceDatabase.h"
#include "placedb/PlaceOffsetLookup.h"
#include "storage/COrvelWinDoc.h"

#include <QString>

namespace orvel {

class Clock;
class MessageSink;

// Everything a program computes charts with for one run: the document (horoscopes and
// settings), the place database, the chart engine and its commands, wired once for the
// handheld program and orvelchart.
class Session {
public:
    // Runs the document's start-up and tells `ui` about damaged files. Errors go to `ui`,
    // the engine's notices (positions from the built-in ephemeris) to `notices`. `clock`,
    // `ui` and `notices` must outlive the session. The ephemeris, the place database and
    // the help pages lie in `programFolder`; the files the user changes in `dataFolder`.
    Session(const Clock &clock, MessageSink &ui, MessageSink &notices, const QString &programFolder,
            const QString &dataFolder, PlaceDatabase::Variant variant = PlaceDatabase::Variant::Handheld);

    ChartScene scene() const { return {engine, commands, document.settings(), document.horoscopes()}; }

    const Clock &clock;
    const QString programFolder;
    COrvelWinDoc document;
    PlaceDatabase places;
    PlaceOffsetLookup lookup;
    ChartEngine engine;
    ChartCommands commands;
};

} // namespace orvel
