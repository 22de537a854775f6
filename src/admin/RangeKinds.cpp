#include "admin/RangeKinds.h"

namespace quorv {

const RangeKind &receiptRanges()
{
    static const RangeKind kind{
        .table = QStringLiteral("piaohao"),
        .fieldStart = QStringLiteral("起始票号"),
        .fieldEnd = QStringLiteral("终止票号"),
        .listScreen = QStringLiteral("piaohaoshuru"),
        .listCaption = QStringLiteral("票号输入"),
        .heading = QStringLiteral("添加票号"),
        .frameTitle = QString(),
        .columns = {{QStringLiteral("id"), QStringLiteral("id")},
                     {QStringLiteral("起始票号"), QStringLiteral("qsph")},
                     {QStringLiteral("终止票号"), QStringLiteral("zzph")},
                     {QStringLiteral("添加时间"), QStringLiteral("time")}},
        .incompleteMessage = QStringLiteral("请输入全票号，一真要是加了空号，我也就可以办无数个空号的卡了"),
        .overlapMessage = QStringLiteral("票号重复！"),
        .valuesCheckedFirst = false,
        .closeAfterAdd = false,
        .deletePrefix = QStringLiteral("真的删除票号"),
        .deleteNote = QStringLiteral(";"),
        .deleteAlwaysCloses = true,
        .emptyListMessage = QStringLiteral("还没有任何数据，请返回"),
        .emptyListCloses = true,
        .editScreen = QStringLiteral("xgpiaohao"),
        .editCaption = QStringLiteral("票号修改"),
        .sideBySide = false,
        .editStartBox = QStringLiteral("qsph"),
        .editEndBox = QStringLiteral("zzph"),
        .editStartLabel = QStringLiteral("起始票号"),
        .editEndLabel = QStringLiteral("终止票号"),
        .saveButton = QStringLiteral("Cmdok"),
        .saveCaption = QStringLiteral("确定"),
        .backButton = QStringLiteral("Command2"),
        .backCaption = QStringLiteral("取消"),
    };
    return kind;
}

const RangeKind &cardRanges()
{
    static const RangeKind kind{
        .table = QStringLiteral("kahao"),
        .fieldStart = QStringLiteral("开始号"),
        .fieldEnd = QStringLiteral("结束号"),
        .listScreen = QStringLiteral("kahaoshuru"),
        .listCaption = QStringLiteral("卡号输入"),
        .heading = QStringLiteral("添加卡号"),
        .frameTitle = QStringLiteral("卡号输入"),
        .columns = {{QStringLiteral("id"), QStringLiteral("id")},
                     {QStringLiteral("起始卡号"), QStringLiteral("qsph")},
                     {QStringLiteral("终止卡号"), QStringLiteral("zzph")},
                     {QStringLiteral("addtime"), QStringLiteral("addtime")}},
        .incompleteMessage = QStringLiteral("请把卡号输入全，祝你生意发财！"),
        .overlapMessage = QStringLiteral("您所添加的卡号重复！"),
        .valuesCheckedFirst = true,
        .closeAfterAdd = true,
        .deletePrefix = QStringLiteral("真的删除卡号"),
        .deleteNote = QStringLiteral(";注意：删除不能恢复"),
        .deleteAlwaysCloses = false,
        .emptyListMessage = QStringLiteral("还没有数据"),
        .emptyListCloses = false,
        .editScreen = QStringLiteral("xgkahao"),
        .editCaption = QStringLiteral("原来卡号"),
        .sideBySide = true,
        .editStartBox = QStringLiteral("Text1_2"),
        .editEndBox = QStringLiteral("Text1_3"),
        .editStartLabel = QStringLiteral("开始号："),
        .editEndLabel = QStringLiteral("结束号："),
        .saveButton = QStringLiteral("Command1"),
        .saveCaption = QStringLiteral("修改"),
        .backButton = QStringLiteral("Command2"),
        .backCaption = QStringLiteral("返回"),
    };
    return kind;
}

} // namespace quorv
