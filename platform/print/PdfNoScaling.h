// Asks PDF viewers to print a document without scaling: an incremental update appended to a
// finished PDF that gives its catalog the viewer preference /PrintScaling /None. Printing dialogs
// of viewers then start at "actual size", which is what a true-size sewing pattern needs. The
// original bytes stay as they are; the update adds a new catalog, a cross-reference section for
// it and a trailer pointing back to the previous one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plat {

// The update to append to `pdf`, or nothing when the file's structure is not one this writer
// understands (a classic cross-reference table, a trailer naming the catalog, the catalog a
// dictionary object) or the catalog already carries viewer preferences.
std::optional<std::string> NoScalingUpdate(std::string_view pdf);

enum class NoScalingResult { Added, NotUnderstood, IoError };

// Appends the update to the PDF file at `hostPath`. NotUnderstood leaves the file as it was.
NoScalingResult AddNoScalingPreference(const std::string& hostPath);

} // namespace plat
