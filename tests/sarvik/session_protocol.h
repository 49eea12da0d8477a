// The steps every trim command's session shows in the journal, whatever the command: its start,
// its option dialog, a pick of a line, the third pick around the trim and its end. Each takes
// its lines from `walk` in order and checks their arguments.
#pragma once

#include <string>

#include "journal_walk.h"
#include "qivhost_run.h"

namespace trimsession {

// QivInitCommand: the host's version checked, any dimension declared (-1), parameter 1022 asked,
// the host's program path asked for the settings folder, the open drawing asked.
void ExpectStart(JournalWalk& walk);

// The option dialog shown modally, with host parameter 4101 on while it is shown and the host's
// parameter 1005 asked for the mouse hook.
void ExpectOptionDialog(JournalWalk& walk);

// The input that a click at (x, y) ends (`sw` 1; a cancel is 2, a key 3).
void ExpectInputEnd(JournalWalk& walk, int sw, double x = 0, double y = 0);

// A pick at the first or second prompt: the nearest line, circle or arc within reach, locked
// layers included, is searched, read, and the lock of its layer asked.
void ExpectPickStep(JournalWalk& walk, double x, double y);

// The third pick: searched as the others, but no lock asked; the host's text and active
// attributes are read before the trim's undo step (AttributesRestored checks that they are set
// back).
void ExpectThirdPick(JournalWalk& walk, double x, double y);

// The arguments of the next prompt, which must be `prompt`.
const Json& ExpectPrompt(JournalWalk& walk, const std::string& prompt);

// The command ends: the selection is cleared unless the host keeps it, and the command exits.
void ExpectEnd(JournalWalk& walk);

// The end of a whole session: a cancel at the first prompt brings the dialog and the prompt
// again; a key brings the dialog, whose Cancel ends the command; the host then destroys the
// control, which exits once more. Every trim of the session gave the host its attributes back.
void ExpectCancelKeyAndEnd(JournalWalk& walk, const std::vector<Json>& journal,
                           const std::string& first_prompt);

// Trims refused because the picked lines do not meet: "Trim Err !! " and the first prompt again
// for each, no undo step, and the drawing's `entities` all still there.
void ExpectRefusedTrimsChangeNothing(const Played& played, std::size_t trims, std::size_t entities,
                                     const std::string& first_prompt);

}  // namespace trimsession
