// What the map editing tests compare: the map as bytes, the default map's file, and which squares
// are walls.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointF>
#include <QStringList>
#include <cstddef>
#include <set>
#include <utility>
#include <vector>

#include "map/routeseer.h"
#include "picture/mapgeometry.h"
#include "storage/programfiles.h"

namespace EditTest {

// MapGrid as its file image.
inline std::vector<std::byte> mapBytes()
{
    const auto* first = reinterpret_cast<const std::byte*>(&Routeseer::MapGrid(0, 0));
    return {first, first + Routeseer::MapFileBytes};
}

// The default map file beside the test, byte for byte.
inline std::vector<std::byte> defaultMapFile()
{
    QFile file(QDir(QCoreApplication::applicationDirPath())
                   .filePath(QString::fromLatin1(ProgramFiles::DefaultMapName)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const auto* first = reinterpret_cast<const std::byte*>(bytes.constData());
    return {first, first + bytes.size()};
}

// The middle of square (x, y) on the picture.
inline QPointF over(int x, int y)
{
    constexpr qreal Half = MapView::CellSize / 2.0;
    return {MapView::CellSize * x + Half, MapView::CellSize * y + Half};
}

inline bool isWall(int x, int y) { return Routeseer::MapGrid(x, y).passable == Routeseer::Wall; }

// Walls among the squares (first..last, first..last).
inline int wallsIn(int first, int last)
{
    int walls = 0;
    for (int y = first; y <= last; ++y)
        for (int x = first; x <= last; ++x)
            walls += isWall(x, y) ? 1 : 0;
    return walls;
}

using Squares = std::set<std::pair<int, int>>;

// The squares with any pixel that differs between two pictures of the map.
inline Squares changedSquares(const QImage& before, const QImage& after)
{
    Squares changed;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed.insert({x / MapView::CellSize, y / MapView::CellSize});
    return changed;
}

inline QString describe(const Squares& squares)
{
    QStringList parts;
    for (const auto& [x, y] : squares)
        parts << QStringLiteral("(%1, %2)").arg(x).arg(y);
    return parts.join(QLatin1Char(' '));
}

} // namespace EditTest
