// The map picture as pixels, with the two drawing operations every painter is built on. The
// window's canvas shows one; the command-line picture writes one to a file, so both are the same
// pixels by construction.
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <functional>
#include <vector>

class MapPicture {
  public:
    MapPicture();

    // Erases everything to the background colour.
    void clear();
    // Draws a straight line in picture pixels. The end point itself is not drawn, so the painters'
    // four lines from X + 1 to X + 5 cover exactly the inside of a cell.
    void line(QPoint from, QPoint to, QRgb colour);

    // What is drawn, one pixel per picture pixel.
    const QImage& image() const { return pixels; }

    // What the inside of a square shows, as the cell painters last painted it, so that whoever needs
    // to know never reads it back from a colour.
    enum class Look : std::uint8_t { Background, Wall, Ring, Route, Marker };
    Look look(int x, int y) const;
    // Told by the painter of the cell whose top-left corner is (X, Y) in picture pixels.
    void painted(int X, int Y, Look look);

    // Hears of every area drawn, so a widget showing the picture repaints only that.
    using ChangeListener = std::function<void(const QRect&)>;
    void onChange(ChangeListener listener) { changeListener = std::move(listener); }

    // While one lives, what is drawn is told as one area when it ends: a square's four lines are one
    // change to whoever follows the picture, which the result animation makes at every step.
    class OneChange {
      public:
        explicit OneChange(MapPicture& picture) : picture(picture) { ++picture.gathering; }
        ~OneChange();
        OneChange(const OneChange&) = delete;
        OneChange& operator=(const OneChange&) = delete;

      private:
        MapPicture& picture;
    };

  private:
    void fill(const QRect& area, QRgb colour);
    void changed(const QRect& area);

    QImage pixels;
    std::vector<Look> looks;
    ChangeListener changeListener;
    int gathering = 0;
    QRect gathered;
};
