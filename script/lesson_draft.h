// A lesson draft from a recording, for an instructor to put into words: the
// recording up to its first "on" (and the passes and ticks right after) is
// the start; then one step per key the instrument took, its instruction in
// the key table's words ("Press the knob", "Turn the knob +"), its
// conditions the screen and whatever of the menu state and the settings
// changed after it. The passes and ticks that follow a key fold into its
// step, and a key that changed none of that folds into the next step. A
// slider or box move is a step of its own, done when the input stands
// where it was moved. What follows the last step that changed anything is
// kept as comments after the closing text.
#pragma once
#include <string>
#include <string_view>

// The draft of the recording, whose name (its file's, say) becomes the
// title. A bad line of the recording, a recording that never switches the
// instrument on or that has nothing to make a step of: ScriptError with the
// line in its `line`. Runs the firmware from program start.
std::string lessonDraft(std::string_view recording, std::string_view name);
