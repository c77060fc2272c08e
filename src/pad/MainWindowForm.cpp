#include "pad/MainWindowForm.h"

#include <utility>

void MainWindowForm::finishSetup(QMainWindow* window)
{
    if (done)
        return;
    done = true;
    Ui::MainMenus::setupUi(window);
    const std::pair<QMenu*, QMenu*> moves[] = {
        {menuFile, menuFileItems},   {menuEdit, menuEditItems}, {menuOptions, menuOptionsItems},
        {menuTools, menuToolsItems}, {menuHelp, menuHelpItems},
    };
    for (const auto& [menu, items] : moves) {
        const QList<QAction*> actions = items->actions();
        for (QAction* action : actions) {
            // Submenus and separators belong to the menu that holds them, as
            // they did when the form built them there.
            QMenu* submenu = action->menu<QMenu*>();
            if (submenu && submenu->parent() == items)
                submenu->setParent(menu, submenu->windowFlags());
            else if (action->parent() == items)
                action->setParent(menu);
            menu->addAction(action);
        }
    }
    // The bar that held the items was never shown and now holds nothing.
    delete menuContents;
    menuContents = nullptr;
    menuFileItems = menuEditItems = menuOptionsItems = menuToolsItems = menuHelpItems = nullptr;
}
