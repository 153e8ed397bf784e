#pragma once

#include <string_view>

namespace files {

// What the file dialogs of the saves and the open show. Filters are in Qt's "Name (*.ext)" form;
// suffixes are added to a name typed without one.

// Saving a reading (its title is the program's own caption) and opening one.
inline constexpr std::string_view kReadingFileFilter =
    "Velmora Astrology Rashi Chart South (*.vlj)";
inline constexpr std::string_view kReadingFileSuffix = "vlj";
inline constexpr std::string_view kOpenReadingTitle = "Select the source file";

// Exporting the text report; the trailing blank of the title belongs to it.
inline constexpr std::string_view kReportFilter = "Export Chart As Text (*.txt)";
inline constexpr std::string_view kReportSuffix = "txt";
inline constexpr std::string_view kReportTitle = "Select the destination text file ";

// Saving the chart picture. The name chosen is only a wish: the picture goes to the first free
// numbered name, so this dialog never needs to ask before replacing a file.
inline constexpr std::string_view kPictureFilter = "JPEG Image (*.jpg)";
inline constexpr std::string_view kPictureSuffix = "JPG";

// Saving the chart as a document, under the same naming rule as the picture.
inline constexpr std::string_view kPdfFilter = "PDF Document (*.pdf)";
inline constexpr std::string_view kPdfSuffix = "pdf";
inline constexpr std::string_view kSvgFilter = "SVG Image (*.svg)";
inline constexpr std::string_view kSvgSuffix = "svg";

// Saving the Vimshottari dasha as CSV.
inline constexpr std::string_view kDashaCsvTitle = "Save the Vimshottari dasha as CSV";
inline constexpr std::string_view kDashaCsvFilter = "CSV (comma-separated values) (*.csv)";
inline constexpr std::string_view kDashaCsvSuffix = "csv";

// Saving the signs of the divisional charts as CSV, with the dasha's filter and suffix.
inline constexpr std::string_view kVargaCsvTitle = "Save the divisional charts as CSV";

}  // namespace files
