#pragma once
// The screen's size as the program reads it at start (it warns about small screens and places
// its windows by it). The Qt renderer sets the real size when it starts; tests set what they
// need. Until then it is a screen of 1280 x 1024.
struct TScreen {
    int Width = 1280;
    int Height = 1024;
    // The largest client area a main window can have wholly on the screen: the desktop's panels,
    // the window's frame and its menu bar left out. The renderer measures it; 0 (as in tests)
    // leaves the whole screen.
    int ClientRoomWidth = 0;
    int ClientRoomHeight = 0;
    int clientRoomWidth() const { return ClientRoomWidth > 0 ? ClientRoomWidth : Width; }
    int clientRoomHeight() const { return ClientRoomHeight > 0 ? ClientRoomHeight : Height; }
};

// The one screen, used as the class library's global: Screen->Width.
inline TScreen theScreen;
inline TScreen* const Screen = &theScreen;
