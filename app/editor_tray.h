#pragma once
// The tray beside the map while it is edited: the tiles lifted off the map,
// each drawn as it is turned, with its name. A click selects a tile; dragging
// one out and letting go over the map lays it there. It floats at the right
// edge of the map view and takes no focus, so the tab order is the window's.

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

class TEditorTray : public QWidget {
    Q_OBJECT

public:
    struct TItem {
        int Tile = 0;
        QString Name;
        QImage Bitmap; // keyed tile art; null when missing
    };

    explicit TEditorTray(QWidget* parent);
    void SetItems(std::vector<TItem> items, int selected);
    // The tile drawn at a point of the tray, 0 over none.
    int TileAt(QPoint point) const;

signals:
    void TileClicked(int tile);
    // A tile dragged out of the tray was let go at a point on the screen.
    void TileDropped(int tile, QPoint globalPos);
    void TileDragged(int tile, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect ItemBox(int index) const;

    std::vector<TItem> Items;
    int Selected = 0;
    int Pressed = 0;
    QPoint PressPos;
    bool Dragging = false;
};
