#pragma once

class CKMVDocument;
class QWidget;

// "Optimale Ausrichtung...": searches every setting the sensor's steps reach
// for the one whose floor targets are watched most (as "kmvtool optimize"
// does), on copies of the project away from the user-interface thread,
// behind a progress dialog that can be cancelled; then offers to move the
// sensor there. The steps run through the document one by one, as the
// toolbar's do, so the document is modified and each can be taken back by
// hand.
void RunOptimalPlacement(QWidget& parent, CKMVDocument& document);
