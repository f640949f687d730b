#pragma once

#include "common/linklabel.h"

#include <QWidget>

namespace calc {

// The advertising labels under the keys with the two link areas laid over them. Clicking an
// area opens a page of the maker's sites; the area under the mouse is outlined in red, and
// moving over the bare window, or pressing on `Label1`, erases the outline. The area with the
// keyboard focus is outlined as well.
class LinkPanel : public QWidget {
    Q_OBJECT

public:
    enum class Lit { None, Image1, Image2 };

    explicit LinkPanel(QWidget* parent);

    // Mouse moves over this surface (the window's body) count as moves over the bare window.
    void watchBareSurface(QWidget& surface);

    Lit lit() const { return lit_; }
    // The outline drawn around an area, in the panel's coordinates.
    QRect frameOf(Lit area) const;

    // What a click on an area opens.
    void openAdvertPage();
    void openDownloadPage();
    // The mouse over the bare window: no area is lit.
    void unlight();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void light(Lit area);

    common::LinkLabel* image1_;
    common::LinkLabel* image2_;
    Lit lit_ = Lit::None;
};

} // namespace calc
