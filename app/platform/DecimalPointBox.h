#pragma once

class QLineEdit;

// A box that takes numbers with the decimal sign in use: a "." typed into it (the keypad's
// decimal key too), pasted or dropped stands for that sign (PointAsDecimalSign), as in the point
// grid's unit cells, so "1.5" never loses its point where the sign is ",". The box takes every
// other text as before; whoever reads it decides what is a number.
namespace platform {

void TakeDecimalPoint(QLineEdit& box);

}  // namespace platform
