// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

class CustomerSheet;

// The sheet as a PDF of one A4 page: searchable text in an embedded font that
// has the Czech letters (DejaVu Sans where installed, else a Windows system
// font). Everything is made smaller until it fits the page. Needs a
// QGuiApplication, whose platform provides the fonts.
QByteArray sheetPdf(const CustomerSheet &sheet);
