#pragma once

#include "SheetLayout.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <string>

class QPagedPaintDevice;

namespace ign {

// Draws a laid-out sheet on a paged device, a page of the device per page of
// the sheet: a QPdfWriter, or a QPrinter for paper. Sets the device's page
// to the sheet's paper, portrait, and draws from the paper's corner (a
// printer's unprintable margin only clips; the sheet's own margins lie
// inside it). Text stays text, in the language given (0 English, 1 Czech,
// 2 German), each made smaller where it would not fit its box. False, with
// the reason in `error`, when the device cannot be drawn on.
bool PaintSheet(const SheetLayout& layout, std::uint8_t language, QPagedPaintDevice& device, QString& error);

// The sheet as the bytes of a PDF file; empty with `error` on a failure.
QByteArray SheetPdf(const SheetLayout& layout, std::uint8_t language, QString& error);

// Writes the PDF to `path` atomically: the file holds the whole sheet, or
// what it held before. False with `error` (English) on a failure.
bool SaveSheetPdf(const SheetLayout& layout, std::uint8_t language, const std::filesystem::path& path,
                  QString& error);

// What the sheet takes from the system's locale.
// Letter where the locale's territory uses it (the Americas' letter
// countries and the Philippines), A4 everywhere else.
Paper PaperOf(const QLocale& locale);
// The date and time of the sheet in the locale's long form.
std::string SheetTimeText(const QDateTime& when, const QLocale& locale);
// The separator the window's fields group digits with; nothing where the locale groups none.
std::string GroupSeparatorOf(const QLocale& locale);

}  // namespace ign
