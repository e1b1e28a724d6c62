#pragma once

class CKMVDocument;
class QWidget;

// "Optimale Ausrichtung...": searches every setting the sensor's steps reach
// for the one whose floor targets are watched most (as "kmvtool optimize"
// does), on copies of the project away from the user-interface thread,
// behind a progress dialog that can be cancelled; then offers to move the
// sensor there. With several sensors it offers "nur aktueller Sensor" (the
// union over the current sensor's settings, the others held) and "alle
// Sensoren" (the rounds of "kmvtool optimize --all"). The moves are one
// change of the document, taken back by one undo.
void RunOptimalPlacement(QWidget& parent, CKMVDocument& document);
