#pragma once

class QQuickItem;

// Qt 5.15's software scene graph deletes an image's texture only in a frame
// rendered after the image has left the pixmap cache; it frees no texture when
// its last window goes. A window torn down with its images still shown or
// cached therefore loses their textures, which LeakSanitizer reports (or not,
// as a stale pointer happens to hide them). Tests release them before their
// Qt Quick windows go.
class SceneTextures
{
public:
    // Lets every image of every Qt Quick window drop its picture (their
    // bindings are gone afterwards), empties the pixmap cache and renders one
    // frame in each shown window, which deletes the textures.
    static void release();

private:
    static void clearImages(QQuickItem *item);
};
