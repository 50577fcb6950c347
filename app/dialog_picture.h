#pragma once
// The 128 by 128 picture of the new-game and end-of-session dialogs: a signal box beside a
// semaphore home signal at danger, drawn rather than shipped.
#include <QPixmap>

QPixmap SignalBoxPicture();
