#pragma once

class QWidget;

namespace skin::frame {

// The application's main form: the first window created, which the program registers at
// start. Closing it ends the program; the skin asks for it to find the work area and to
// decide which form draws as active.
void setMainForm(QWidget* form);
QWidget* MainForm();

// Whether form draws as the active one. Inside an MDI main form (one holding a QMdiArea)
// the active child counts; otherwise the form's own active state, and only while the
// application is active.
bool IsFormActive(const QWidget* form);

} // namespace skin::frame
