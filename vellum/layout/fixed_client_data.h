// A formatted document shown in a client area of a fixed size, with no scroll bars: what the
// command-line tool, benchmarks and tests format against. It remembers what the pass told it
// and counts the selection notifications it gets.
#pragma once

#include "vellum/layout/custom_rv_formatted_data.h"

namespace vellum {

class FixedClientData : public TCustomRVFormattedData {
public:
    void SetClientSize(int32_t width, int32_t height)
    {
        m_clientWidth = width;
        m_clientHeight = height;
    }
    // CANVAS must outlive the document's passes.
    void SetCanvas(platform::Canvas* canvas) { m_canvas = canvas; }
    LayoutSettings& Layout() { return FLayoutSettings; }

    platform::Canvas* GetReferenceCanvas() const override { return m_canvas; }
    int32_t GetClientWidth() const override { return m_clientWidth; }
    int32_t GetClientHeight() const override { return m_clientHeight; }
    void SetDocumentAreaSize(int32_t width, int32_t height, bool) override
    {
        m_areaWidth = width;
        m_areaHeight = height;
    }
    int32_t GetVScrollPos() const override { return m_scrollPos; }
    void ScrollToY(int32_t y) override { m_scrollPos = y; }
    int32_t GetHScrollPos() const override { return m_hScrollPos; }
    void ScrollToX(int32_t x) override { m_hScrollPos = x; }
    int32_t GetVerticalUnit() const override { return m_verticalUnit; }
    void SetVerticalUnit(int32_t unit) { m_verticalUnit = unit; }
    // How often the selection-changed notification and repaint requests came.
    void SelectionChanged() override { ++m_selectionChanges; }
    void Invalidate() override { ++m_repaints; }
    int SelectionChanges() const { return m_selectionChanges; }
    int Repaints() const { return m_repaints; }

    int32_t AreaWidth() const { return m_areaWidth; }
    int32_t AreaHeight() const { return m_areaHeight; }

protected:
    int32_t m_clientWidth = 0;
    int32_t m_clientHeight = 0;

private:
    platform::Canvas* m_canvas = nullptr;
    int32_t m_areaWidth = 0;
    int32_t m_areaHeight = 0;
    int32_t m_scrollPos = 0;
    int32_t m_hScrollPos = 0;
    int32_t m_verticalUnit = 1;
    int m_selectionChanges = 0;
    int m_repaints = 0;
};

} // namespace vellum
