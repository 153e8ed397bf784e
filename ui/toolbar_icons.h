#pragma once

#include <QIcon>

namespace ui {

// The toolbar's pictures, 16 × 15 (and twice that for sharp screens), drawn by the program.
QIcon NewPicture();
QIcon SavePicture();
QIcon PrintPicture();
QIcon NavamsaPicture();
QIcon HelpPicture();

// The program's own icon: a small East Indian chart.
QIcon ProgramIcon();

}  // namespace ui
