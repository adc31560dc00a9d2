#pragma once
// The topics of the help file by help context. Contexts of 300 and above are reference topics,
// shown in the help window of type "secwin"; lower ones are popup topics. A topic part follows
// the help file's path: "::/html/" + page, with "#" + anchor and ">secwin" for reference topics.
#include <QString>

#include "day_page_names.h"

// Contexts from here on are reference topics.
constexpr int FirstReferenceContext = 300;

// The reference topic part of `context`; empty for a context without one. The Find dialog's
// (700) and the Preferences dialog's (900) depend on the dialog's state and come from
// FindDialogTopic and PreferencesTopic.
QString ReferenceTopic(int context);
// The popup topic part of `context`; the Find Saint command's (163) follows the shown page.
// Empty for a context without one.
QString PopupTopic(int context, TDayPage shownPage);

// The Find dialog's topic: finding on the page, or finding a saint on the shown page.
QString FindDialogTopic(bool pageMode, TDayPage shownPage);

// The Preferences dialog's topic: the part about one of its pages, or the whole dialog.
enum class TPreferencesTopic { Preferences, Versions, Files, Install, Dialog };
QString PreferencesTopic(TPreferencesTopic part);
