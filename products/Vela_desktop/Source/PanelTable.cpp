#include "PanelTable.h"

namespace PanelTable
{
const std::vector<Row>& rows()
{
    static const std::vector<Row> all {
#define VELA_PANEL_CONTROL(member, ...) Row { __VA_ARGS__ },
#include "PanelTable.inc"
#undef VELA_PANEL_CONTROL
    };
    return all;
}
} // namespace PanelTable
