#include "app/MenuTable.h"

namespace quorv {

const std::vector<MenuEntry> &menuTable()
{
    using C = Command;
    static const std::vector<MenuEntry> table = {
        {"xt", "系统",
         {{"yhgl", "用户管理", C::ByRole, "yonghuguanli", "mima"},
          {"phgl", "票号管理", C::Manager, "piaohaoshuru"},
          {"khgl", "卡号管理", C::Manager, "kahaoshuru"},
          {"cxgl", "车型管理", C::Standard, "chexingguanli"},
          {"jlgl", "教练管理", C::KeepOpen, "jiaolianguanli"},
          {"zhjgl", "证件管理", C::Manager, "zhengjianguanli"},
          {"sjbf", "数据管理", C::Standard, "shujubeifen"},
          {"tcxt", "退出系统", C::Exit}}},
        {"yck", "约车卡",
         {{"qjjsk", "添加计时卡", C::Standard, "add_jishi"},
          {"qjbhk", "添加保会卡", C::Standard, "add_baohui"},
          {"klcx", "卡类查询", C::Standard, "kaleicx"}}},
        {"yc", "约车",
         {{"ykyc", "有卡约车", C::Standard, "kaleiyc"},
          {"lsyc", "临时约车", C::Standard, "linshiyc"},
          {"ycxx", "约车查询", C::Standard, "yuechecx"}}},
        {"zhj", "证件",
         {{"tjzj", "添加证件", C::Standard, "add_zhengjian"},
          {"zhjcx", "证件查询", C::Standard, "zhengjiancx"}}},
        {"cxg", "车相关",
         {{"dypcd", "生成派车单", C::Standard, "paichedansc"},
          {"cxxlr", "车信息录入", C::Standard, "add_cxx"},
          {"cxxcx", "车信息查询", C::Standard, "chexinxicx"}}},
        {"pj", "票据",
         {{"tjpj", "添加票据", C::Standard, "add_piaoju"},
          {"pjcx", "票据查询", C::Standard, "piaojucx"}}},
        {"zc", "支出",
         {{"tjzc", "添加支出", C::Standard, "add_zhichu"},
          {"zccx", "支出查询", C::Standard, "zhichucx"}}},
        {"jsb", "记事本",
         {{"tjbgjs", "添加办公记事", C::Standard, "add_bgjs"},
          {"tjgljs", "添加管理记事", C::Standard, "add_gljs"},
          {"cxbgjs", "查询办公记事", C::Standard, "bgjscx"},
          {"cxgljs", "查询管理记事", C::Standard, "gljscx"}}},
        {"bz", "帮助",
         {{"xtsj", "如何使用", C::Standard, "如何使用"},
          {"xtbz", "软件版本", C::KeepOpen, "rjbb"},
          {"gybrj", "关于本软件", C::Standard, "gybrjian"}}},
        {"关闭所有的子窗口", "关闭所有", {}, C::CloseAll},
        {"退出程序", "退出", {}, C::Exit},
    };
    return table;
}

} // namespace quorv
