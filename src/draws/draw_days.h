#pragma once
// The days draws are held on: every Wednesday and every Sunday.

namespace lotto {

// The first Wednesday or Sunday after the date. From a Sunday that is the Wednesday, from
// a Wednesday the Sunday; from the Friday of an extra draw or a draw moved to another
// day it is the next regular draw day.
double nextDrawDay(double date);

}  // namespace lotto
