// The settings file a first save with every designed value writes: its lines in UTF-8, in order.
#pragma once

namespace tessivane::testing {

inline constexpr const char* kFirstSaveLines[] = {
    "[基本配置]",
    "模板序号=0",
    "标题来源=1",
    "去掉首行=真",
    "截取中间内容=真",
    "截取为空时返回原内容=真",
    "生成文件的扩展名：=假",
    "扩展名=htm",
    "生成文章系统首页：=假",
    "分页=50",
    "目录过滤=*.txt",
    "文件编码=0",
    "替换标题=假",
    "使用正则=真",
    "匹配式=(.+)[_-].*",
    "替换式=$1",
};

}  // namespace tessivane::testing
