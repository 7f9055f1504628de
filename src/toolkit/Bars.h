// The window's bars: the status bar with panels and the tool bar with its
// image list and buttons.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Controls.h"

// A status bar of panels with fixed widths; the last panel reaches to the
// right edge. Align it to the bottom.
class TStatusBar : public TControl {
public:
    // In screen pixels.
    void SetPanelWidths(const std::vector<int>& widths);
    const std::vector<int>& PanelWidths() const { return widths_; }
    int PanelCount() const { return static_cast<int>(widths_.size()); }
    std::string PanelText(int index) const;
    void SetPanelText(int index, const std::string& text);

protected:
    TCreateParams KindParams() const override;

private:
    std::vector<int> widths_;
};

class TToolBar;

// A button of a tool bar. Its caption is kept but not shown (the bar shows
// images only); its hint goes to the status bar.
class TToolButton {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const std::string& Caption() const { return caption_; }
    const std::string& Hint() const { return hint_; }
    const std::string& Name() const { return name_; }
    // The command id the button sends.
    int Id() const { return id_; }
    int ImageIndex() const { return image_; }
    // Runs onClick when the button is enabled.
    void Click();
    TNotifyEvent onClick;

private:
    friend class TToolBar;
    TToolBar* bar_ = nullptr;
    int id_ = 0;
    int image_ = -1;
    bool enabled_ = true;
    std::string name_;
    std::string caption_;
    std::string hint_;
};

// One entry of a tool bar's table; a null button makes a separator.
struct TToolButtonRow {
    TToolButton* button = nullptr;
    const char* name = "";
    const char* caption = "";
    const char* hint = "";
    int image = -1;
    bool enabled = true;
};

// A flat tool bar without tooltips. Align it to the top.
class TToolBar : public TControl {
public:
    // Images of equal size taken from a bitmap strip; pixels of `transparent`
    // are see-through. A null bitmap leaves the buttons without images. On
    // a screen of more pixels per inch each image takes a cell of its size
    // scaled to the screen, its picture enlarged by the whole factor of
    // BitmapScale and centred in the cell (DesignScale.h).
    void SetImages(HBITMAP strip, int imageWidth, int imageHeight, COLORREF transparent);
    // In screen pixels.
    void SetButtonSize(int width, int height);
    void AddButtons(const std::vector<TToolButtonRow>& rows);
    std::string HintAt(POINT clientPoint) const override;
    int ImageCount() const;
    // The button that sends a command id, or null.
    const TToolButton* ButtonById(int id) const;

protected:
    TCreateParams KindParams() const override;
    void AfterCreate() override;
    bool OnCommand(WORD code, WORD id) override;

private:
    friend class TToolButton;
    TToolButton* ButtonAt(POINT clientPoint) const;
    std::vector<TToolButton*> buttons_;
    TImageListHandle images_;
};
