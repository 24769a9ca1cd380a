#pragma once

#include <QString>

#include <functional>

// Runs the body in a forked copy of the test process and returns the text it
// produced. Tests that must change process-wide things (user id, file
// limits, mounts) do so there, leaving the test process untouched.
// "<child died>" when the child did not finish normally.
QString RunInChild(const std::function<QString()> &body);

// Marks a text a child gives back when what it needed is not possible here.
inline const QString ChildSkipped = QStringLiteral("<skipped>");
