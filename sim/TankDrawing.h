#pragma once

class TTankWindow;

// The two drawing contexts creatures draw through, held for one tick or one removal:
// takes the window's context and a compatible memory context into the tank, and at the
// end deletes the memory context, releases the window's and clears both, so that
// nothing can draw outside that span.
class TTankDrawing {
public:
    explicit TTankDrawing(TTankWindow& window);
    ~TTankDrawing();
    TTankDrawing(const TTankDrawing&) = delete;
    TTankDrawing& operator=(const TTankDrawing&) = delete;

private:
    TTankWindow& Window_;
};
