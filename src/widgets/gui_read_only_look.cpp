#include "widgets/gui_read_only_look.h"

#include "widgets/gui_palette_follower.h"

#include <QLineEdit>
#include <QPalette>

namespace tsl {

void showAsReadOnly(QLineEdit* field)
{
    // Setting the same palette again sends no change, so this settles at once.
    followPalette(field, [field] {
        QPalette palette = field->palette();
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
        field->setPalette(palette);
    });
}

}  // namespace tsl
