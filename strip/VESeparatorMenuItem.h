#pragma once

#include "strip/VEMenuItem.h"

// An ordinary item of the list that puts a gap between items: it draws the
// picture "Separator" and ignores clicks. It stores only the base keys.
class VESeparatorMenuItem : public VEMenuItem {
    Q_OBJECT
public:
    explicit VESeparatorMenuItem(const VEPlistDictionary* dictionary = nullptr);
    ~VESeparatorMenuItem() override;

    // Enters "VESeparatorMenuItem" into VEMenuItemRegistry.
    static void registerClass();

    QString className() const override;
    void mouseDown(QMouseEvent* event) override;
    void drawRect(const VERect& rect) override;
    void _updateLength() override;
    // "Separator Item".
    QString preferencesName() override;
    // A 16 x 16 icon with the separator picture at (5, -1), built on the first
    // request and kept.
    QPixmap preferencesIcon() override;

protected:
    QPixmap mPreferencesImage;
};
