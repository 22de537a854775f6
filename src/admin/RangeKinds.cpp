#include "admin/RangeKinds.h"

namespace quorv {

const RangeKind &receiptRanges()
{
    static const RangeKind kind = [] {
        RangeKind k;
        k.table = QStringLiteral("piaohao");
        k.fieldStart = QStringLiteral("起始票号");
        k.fieldEnd = QStringLiteral("终止票号");
        k.listScreen = QStringLiteral("piaohaoshuru");
        k.listCaption = QStringLiteral("票号输入");
        k.heading = QStringLiteral("添加票号");
        k.columns = {{QStringLiteral("id"), QStringLiteral("id")},
                     {QStringLiteral("起始票号"), QStringLiteral("qsph")},
                     {QStringLiteral("终止票号"), QStringLiteral("zzph")},
                     {QStringLiteral("添加时间"), QStringLiteral("time")}};
        k.incompleteMessage = QStringLiteral("请输入全票号，一真要是加了空号，我也就可以办无数个空号的卡了");
        k.overlapMessage = QStringLiteral("票号重复！");
        k.deletePrefix = QStringLiteral("真的删除票号");
        k.deleteNote = QStringLiteral(";");
        k.deleteAlwaysCloses = true;
        k.emptyListMessage = QStringLiteral("还没有任何数据，请返回");
        k.emptyListCloses = true;
        k.editScreen = QStringLiteral("xgpiaohao");
        k.editCaption = QStringLiteral("票号修改");
        k.editStartBox = QStringLiteral("qsph");
        k.editEndBox = QStringLiteral("zzph");
        k.editStartLabel = QStringLiteral("起始票号");
        k.editEndLabel = QStringLiteral("终止票号");
        k.saveButton = QStringLiteral("Cmdok");
        k.saveCaption = QStringLiteral("确定");
        k.backButton = QStringLiteral("Command2");
        k.backCaption = QStringLiteral("取消");
        return k;
    }();
    return kind;
}

const RangeKind &cardRanges()
{
    static const RangeKind kind = [] {
        RangeKind k;
        k.table = QStringLiteral("kahao");
        k.fieldStart = QStringLiteral("开始号");
        k.fieldEnd = QStringLiteral("结束号");
        k.listScreen = QStringLiteral("kahaoshuru");
        k.listCaption = QStringLiteral("卡号输入");
        k.heading = QStringLiteral("添加卡号");
        k.frameTitle = QStringLiteral("卡号输入");
        k.columns = {{QStringLiteral("id"), QStringLiteral("id")},
                     {QStringLiteral("起始卡号"), QStringLiteral("qsph")},
                     {QStringLiteral("终止卡号"), QStringLiteral("zzph")},
                     {QStringLiteral("addtime"), QStringLiteral("addtime")}};
        k.incompleteMessage = QStringLiteral("请把卡号输入全，祝你生意发财！");
        k.overlapMessage = QStringLiteral("您所添加的卡号重复！");
        k.valuesCheckedFirst = true;
        k.closeAfterAdd = true;
        k.deletePrefix = QStringLiteral("真的删除卡号");
        k.deleteNote = QStringLiteral(";注意：删除不能恢复");
        k.emptyListMessage = QStringLiteral("还没有数据");
        k.editScreen = QStringLiteral("xgkahao");
        k.editCaption = QStringLiteral("原来卡号");
        k.sideBySide = true;
        k.editStartBox = QStringLiteral("Text1_2");
        k.editEndBox = QStringLiteral("Text1_3");
        k.editStartLabel = QStringLiteral("开始号：");
        k.editEndLabel = QStringLiteral("结束号：");
        k.saveButton = QStringLiteral("Command1");
        k.saveCaption = QStringLiteral("修改");
        k.backButton = QStringLiteral("Command2");
        k.backCaption = QStringLiteral("返回");
        return k;
    }();
    return kind;
}

} // namespace quorv
