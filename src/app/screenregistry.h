#pragma once

#include <QString>
#include <QStringView>

#include <span>

enum class ScreenKind {
    Work,   // exists once for the whole run, shown and hidden
    Dialog, // created per use, shown modally over its caller, destroyed on close
};

struct ScreenEntry
{
    const char *name; // the screen's class and object name
    const char *caption; // the window title, leading blank included
    ScreenKind kind;
};

// The 43 screens of the program, in the order start-up creates them.
std::span<const ScreenEntry> screenRegistry();

// The entry of a screen; nullptr for a name the registry does not hold.
const ScreenEntry *findScreen(QStringView name);

// The window title of a screen.
QString screenCaption(QStringView name);

// Application screens (every work screen but the login and password-change
// screens) open maximised and return to the launcher when they close.
bool isApplicationScreen(QStringView name);
