#pragma once

class QApplication;

namespace brovik::test {

// The one application object of the test run (the program's own, so failures thrown
// from event handlers take the same path as in the program).
QApplication& qtApp();

}  // namespace brovik::test
