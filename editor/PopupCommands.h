#pragma once

class QWidget;
class TPartPopups;
struct TEditSession;

// Hands each item of the parts' popup menus to its edit on the popup part; the number settings
// ask through the count dialog, over the given window.
void ConnectPopupCommands(QWidget& window, const TPartPopups& popups, TEditSession& session);
