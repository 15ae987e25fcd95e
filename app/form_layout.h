// Positions of the main window's controls that follow the work area (the primary screen
// without the task bar). Everything else sits at fixed positions set when the controls are made.
#pragma once

#include <QRect>
#include <QSize>

namespace wenlocke {

struct FormLayout {
    QRect vellumEdit1;
    QRect listBox3;
    QRect groupBox1;
    QRect groupBox2;
};

// The view and ListBox3 end 197 pixels above the work area's bottom; GroupBox1 starts 13 below
// them and GroupBox2 10 below GroupBox1. On a work area too small for that, sizes stop at 0
// rather than going negative, which leaves such a control invisible instead of inverted.
FormLayout ComputeFormLayout(QSize workArea);

} // namespace wenlocke
