// Checks of what the window shows, shared by the widget tests.
#pragma once

#include <QColor>
#include <QString>

#include "form/form1.h"
#include "ui/qt/form_window.h"

namespace selbrin::ui {

// The first control whose widget differs from the model (its text, caption,
// list items, check or selection), described; empty when all agree.
QString MismatchWithModel(const Form1Window& window, const Form1& form);

// Every text that does not fit whole in the part of its widget that draws it:
// captions, list items and whatever a field or display holds now; only those
// that contain `containing` when it is given; joined by "; ", empty for none.
QString ClippedTexts(const Form1Window& window, const QString& containing = {});

// The contrast ratio of two colours, from 1 (equal) to 21 (black on white),
// as accessibility guidelines measure it.
double ContrastRatio(const QColor& a, const QColor& b);

// What a widget shows as its text.
QString ShownText(const QWidget* w);

}  // namespace selbrin::ui
