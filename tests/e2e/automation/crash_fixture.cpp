// A program that crashes at once: the driver's own test that a crash fails a run straight
// away instead of hanging until a deadline.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    return 0;
}
