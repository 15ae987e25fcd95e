#include "app/form_layout.h"

#include <algorithm>

namespace wenlocke {
namespace {

QRect Box(int left, int top, int width, int height)
{
    return QRect(left, top, std::max(width, 0), std::max(height, 0));
}

} // namespace

FormLayout ComputeFormLayout(QSize workArea)
{
    const int w = workArea.width();
    const int h = workArea.height();
    FormLayout layout;
    layout.vellumEdit1 = Box(256, 56, w - 264, h - 253);
    layout.listBox3 = Box(8, 288, 241, h - 485);
    layout.groupBox1 = Box(8, h - 184, w - 16, 74);
    layout.groupBox2 = Box(8, h - 100, w - 16, 73);
    return layout;
}

} // namespace wenlocke
