#include "reference/ReferenceKinds.h"

namespace quorv {

const ReferenceKind &vehicleModels()
{
    static const ReferenceKind kind{
        .table = QStringLiteral("chexing"),
        .listScreen = QStringLiteral("chexingguanli"),
        .listCaption = QStringLiteral("车型管理"),
        .addFrame = QStringLiteral("添加车型"),
        .nameLabel = QStringLiteral("车型："),
        .addButton = QStringLiteral("add"),
        .editButton = QStringLiteral("edit"),
        .deleteButton = QStringLiteral("del"),
        .nameCaption = QStringLiteral("车型"),
        .timeCaption = QStringLiteral("添加时间"),
        .emptyNameMessage = QStringLiteral("车型不能为空"),
        .addedMessage = QStringLiteral("添加车型成功！"),
        .deletePrefix = QStringLiteral("真的删除车型"),
        .deleteNote = QString(),
        .hideOnEdit = false,
        .editScreen = QStringLiteral("xgchexing"),
        .editCaption = QStringLiteral("修改车型"),
        .twoFrames = false,
        .oldFrame = QString(),
        .newFrame = QStringLiteral("修改车型"),
    };
    return kind;
}

const ReferenceKind &coaches()
{
    static const ReferenceKind kind{
        .table = QStringLiteral("jiaolian"),
        .listScreen = QStringLiteral("jiaolianguanli"),
        .listCaption = QStringLiteral("教练管理"),
        .addFrame = QStringLiteral("添加教练"),
        .nameLabel = QStringLiteral("教练："),
        .addButton = QStringLiteral("Command1"),
        .editButton = QStringLiteral("Command4"),
        .deleteButton = QStringLiteral("Command5"),
        .nameCaption = QStringLiteral("教练"),
        .timeCaption = QStringLiteral("time"),
        .emptyNameMessage = QStringLiteral("教练不能为空"),
        .addedMessage = QStringLiteral("添加教练成功！"),
        .deletePrefix = QStringLiteral("真的删除教练"),
        .deleteNote = QStringLiteral(";注意：不能删除第一个人"),
        .hideOnEdit = false,
        .editScreen = QStringLiteral("xgjiaolian"),
        .editCaption = QStringLiteral("修改教练"),
        .twoFrames = true,
        .oldFrame = QStringLiteral("原来教练"),
        .newFrame = QStringLiteral("修改教练"),
    };
    return kind;
}

const ReferenceKind &certificateTypes()
{
    static const ReferenceKind kind{
        .table = QStringLiteral("zj"),
        .listScreen = QStringLiteral("zhengjianguanli"),
        .listCaption = QStringLiteral("证件管理"),
        .addFrame = QStringLiteral("添加证件"),
        .nameLabel = QStringLiteral("证件："),
        .addButton = QStringLiteral("add"),
        .editButton = QStringLiteral("edit"),
        .deleteButton = QStringLiteral("del"),
        .nameCaption = QStringLiteral("证件名称"),
        .timeCaption = QStringLiteral("时间"),
        .emptyNameMessage = QStringLiteral("证件不能为空"),
        .addedMessage = QStringLiteral("添加证件成功！"),
        .deletePrefix = QStringLiteral("真的删除证件："),
        .deleteNote = QStringLiteral(";注意：不能删除的一个也没有了"),
        .hideOnEdit = true,
        .editScreen = QStringLiteral("xgzhengjian"),
        .editCaption = QStringLiteral("修改证件"),
        .twoFrames = true,
        .oldFrame = QStringLiteral("原来证件"),
        .newFrame = QStringLiteral("修改证件"),
    };
    return kind;
}

} // namespace quorv
