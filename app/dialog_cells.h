#pragma once
// A place in dialog cells (the core's dialog models) as a rectangle of the dialog's pixels.
#include <QRect>

#include "frontend/dialogs.h"

inline QRect CellsToPixels(const kv41::CellRect& r) {
    const int w = kv41::DialogCell.Width;
    const int h = kv41::DialogCell.Height;
    return {r.Column * w, r.Row * h, r.Columns * w, r.Rows * h};
}

inline QSize CellsToPixels(const kv41::Size& size) {
    return {size.Width * kv41::DialogCell.Width, size.Height * kv41::DialogCell.Height};
}
