#pragma once

class QPainter;
class QRectF;

// The program's logo, painted at any size (print-outs and windows share it): four times as wide
// as it is high.
void PaintLogo(QPainter& painter, const QRectF& rect);
