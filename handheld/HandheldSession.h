#pragma once

#include "engine/ChartCommands.h"
#include "engine/ChartEngine.h"
#include "handheld/LaterMessageSink.h"
#include "engine/ChartScene.h"
#include "placedb/PlaceDatabase.h"
#include "placedb/PlaceOffsetLookup.h"
#include "storage/COrvelWinDoc.h"

#include <QString>

namespace orvel {

class Clock;
class MessageSink;

// Everything the handheld program computes with for one run: the document (horoscopes
// and settings), the place database, the chart engine and its commands.
class HandheldSession {
public:
    // Runs the document's start-up and tells `ui` about damaged files. `clock` and
    // `ui` must outlive the session.
    HandheldSession(const Clock &clock, MessageSink &ui, const QString &programFolder, const QString &dataFolder);

    ChartScene scene() const { return {engine, commands, document.settings(), document.horoscopes()}; }

    const Clock &clock;
    const QString programFolder; // help pages, ephemeris, database and font lie here
    COrvelWinDoc document;
    PlaceDatabase places;
    PlaceOffsetLookup lookup;
    LaterMessageSink notices; // the built-in ephemeris is named over the painted chart
    ChartEngine engine;
    ChartCommands commands;
};

} // namespace orvel
