#pragma once
// The help viewer: shows the topics of compiled help files in one help window, which every
// further topic reuses.
#include <QString>

#include <functional>

class THelpWindow;

namespace HtmlHelp {

// Shows the topic of `address` (see help_address.h; the file alone shows its default topic).
// Does nothing when the address is empty; when the file is missing or unreadable the user is
// told so (ReportHelpTrouble).
void DisplayTopic(const QString& address);
// Closes every help window.
void CloseAll();
// The help window, or nullptr while none is open.
THelpWindow* Window();
// The registry key under which help windows keep their place and size; empty: not kept.
void SetPlacementKey(const QString& key);

// Test hook: when set, every address asked for is handed to it instead of being shown.
// nullptr shows topics again.
using Hook = std::function<void(const QString& address)>;
void SetHook(Hook hook);

} // namespace HtmlHelp
