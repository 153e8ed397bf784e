#pragma once

#include <QString>

namespace files {

// A failure the user must hear about, shown in a message box with the error icon.
struct FileProblem {
    QString text;
    QString title;  // empty: the program's own caption

    friend bool operator==(const FileProblem&, const FileProblem&) = default;
};

}  // namespace files
