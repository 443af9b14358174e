#include "resources/StringBlocks.h"

namespace resources {

// The Chinese block keeps the English wording for the notation and model captions, the
// monitor's all-axes captions and the step-editor tips; its transfer menus name the MOR-3x.
constexpr TextBlock kChineseTexts = {{
    {1, "文件(&F)"},
    {2, "打开(&O)..."},
    {3, "保存(&S)..."},
    {4, "另存为(&A)..."},
    {5, "打印(&P)..."},
    {6, "导出CSV数据(&E)"},
    {7, "导入CSV数据(&I)"},
    {8, "退出(&X)"},
    {9, "退出(&X)"},
    {10, "传送(&T)"},
    {11, "从MOR-3x上传(&U)"},
    {12, "从MOR-3x下载(&D)"},
    {13, "编辑(&E)"},
    {14, "复制(&C)"},
    {15, "粘贴(&P)"},
    {16, kEnglishWording},
    {17, kEnglishWording},
    {18, kEnglishWording},
    {19, kEnglishWording},
    {20, "帮助(&H)"},
    {21, "帮助(&M)"},
    {22, "版本信息(&V)..."},
    {23, "取消"},
    {24, kEnglishWording},
    {25, kEnglishWording},
    {26, "点"},
    {27, "取消"},
    {28, "关闭"},
    {29, "变更"},
    {30, "新建"},
    {31, "打开已有文件"},
    {32, "打开示例"},
    {33, "从控制器上传"},
    {34, "打开已有文件并下载"},
    {35, "没有此轴号的电缸/电机。"},
    {36, "检测到报警的电缸/电机编号"},
    {37, "扩展位置"},
    {38, "请选择连接网关的COM接口名"},
    {39, "新建文件还是打开示例文件?"},
    {40, "将从控制器和电缸上传数据。"},
    {41, "无法初始化指定的COM接口。"},
    {42, "指定的COM接口正在使用中。"},
    {43, "请选择所需的轴数"},
    {44, "串行通信接口"},
    {45, "运行轴数"},
    {46, "轴号"},
    {47, kEnglishWording},
    {48, kEnglishWording},
    {49, kEnglishWording},
    {50, kEnglishWording},
    {51, kEnglishWording},
    {52, kEnglishWording},
    {53, kEnglishWording},
    {54, kEnglishWording},
    {55, "ZEL文件 (*.zhel)|*.zel"},
    {56, "CSV文件 (*.csv)|*.csv"},
    {57, "EEP文件 (*.eep)|*.eep"},
    {58, " 文件不存在。"},
    {59, "系统错误 :"},
    {60, "文件数据格式无效。"},
    {61, "请在网关上开始上传。"},
    {62, "正在准备要下载的数据。"},
    {63, "请在网关上开始下载。"},
    {64, "正在上传..."},
    {65, "正在下载..."},
    {66, "上传完成。"},
    {67, "上传失败。"},
    {68, "下载失败。"},
    {69, "由于文件类型不一致,不兼容的数据将被替换为默认数据"},
    {70, "由于文件类型不一致,部分数据无法读取"},
    {71, "内容被变更,是否保存?。"},
    {72, "将程序下载到网关"},
    {73, "有尚未下载的已修改数据\n请选择下载或上传。"},
    {74, "数据类型不一致,无法粘贴"},
    {75, "下载已修改的数据"},
    {76, "放弃已修改的数据并上传"},
    {77, kEnglishWording},
    {78, kEnglishWording},
    {79, kEnglishWording},
    {80, kEnglishWording},
    {81, kEnglishWording},
    {82, kEnglishWording},
    {83, kEnglishWording},
    {84, kEnglishWording},
    {85, kEnglishWording},
    {86, kEnglishWording},
    {87, kEnglishWording},
    {88, kEnglishWording},
    {89, kEnglishWording},
    {90, kEnglishWording},
    {91, kEnglishWording},
    {92, kEnglishWording},
    {93, kEnglishWording},
    {94, kEnglishWording},
    {95, kEnglishWording},
    {96, kEnglishWording},
    {97, kEnglishWording},
    {98, kEnglishWording},
    {99, kEnglishWording},
    {100, kEnglishWording},
    {101, kEnglishWording},
    {102, kEnglishWording},
    {103, kEnglishWording},
    {104, kEnglishWording},
    {105, kEnglishWording},
    {106, kEnglishWording},
    {107, kEnglishWording},
    {108, kEnglishWording},
    {109, kEnglishWording},
    {110, kEnglishWording},
    {111, kEnglishWording},
    {112, "移动指令\n"
          "将各轴移动到其目标位置号。\n"
          "请为参与此步的每个轴选择轴号和目标位置号。\n"
          "所选各轴的定位同时开始。"},
    {113, kEnglishWording},
    {114, kEnglishWording},
    {115, kEnglishWording},
    {116, kEnglishWording},
    {117, kEnglishWording},
    {118, kEnglishWording},
    {119, kEnglishWording},
    {120, kEnglishWording},
    {121, kEnglishWording},
    {122, kEnglishWording},
    {123, "PCMD: 以绝对位置坐标或增量表示的目标位置"},
    {124, "FLGP: 轴移动参数默认值/位置数据选择标志"},
    {125, "INP: 到位宽度"},
    {126, "VCMD: 速度指令,  单位: 0.2r/min"},
    {127, "ACMD: 加速度指令,  单位: 0.1r/min/ms"},
    {128, "SPOW: 定位停止时的电流限制值"},
    {129, "DPOW: 定位时的电流限制值"},
    {130, "PLG0: 伺服增益编号"},
    {131, "MXAC: 最大加速度指定标志"},
    {132, "SMOD: 自控模式标志"},
    {133, "STIM: 自控模式下的延迟时间"},
    {134, "PSTW: 确认推压定位完成的时间"},
    {135, "PVLM: 判断推压定位是否完成的速度"},
    {136, "报警代码"},
    {137, "地址"},
    {138, "正常 : "},
    {139, "报警 : "},
    {140, "地址="},
    {141, "伺服监视"},
    {142, "报警"},
    {143, "退出"},
    {144, "退出VUZOvid"},
    {145, "位置监视"},
    {146, "报警历史"},
    {147, "在线监视运行状态"},
    {148, kEnglishWording},
    {149, kEnglishWording},
    {150, kEnglishWording},
    {151, kEnglishWording},
}};
static_assert(HasEveryIdInOrder(kChineseTexts));

constexpr OwnTextBlock kChineseOwnTexts = {{
    {1, "不是该列的有效值，保留已存储的值："},  // GridRefused
    {2, "未传送：轴 %1。"},  // NotTransferredAxis
    {3, "未传送：轴 %1。"},  // NotTransferredAxes
    {4, "未传送：轴 %1 和扩展位置。"},  // NotTransferredAxisAndExt
    {5, "未传送：轴 %1 和扩展位置。"},  // NotTransferredAxesAndExt
    {6, "未传送：扩展位置。"},  // NotTransferredExt
    {7, "%1 的串行线路已断开，无法重新打开。"},  // LostLine
    {8, "文件不存在。"},  // FileMissing
    {9, "这不是普通文件。"},  // FileNotRegular
    {10, "文件大于 %1 字节，超出此类文件的大小。"},  // FileTooLarge
    {11, "无法读取文件 (%1)。"},  // FileUnreadable
    {12, "%1: 无法写入文件 (%2)。"},  // FileUnwritable
    {13, "文件在 %2 个值中的第 %1 个之后结束。"},  // ZelEndsEarly
    {14, "值 %1 (\"%2\") 不是 32 位范围内的整数。"},  // ZelBadValue
    {15, "文件只有 %2 行中的 %1 行。"},  // CsvTooFewLines
    {16, "第 %1 行有超过 %2 个字符的单元格 (\"%3\")。"},  // CsvLongCell
    {17, "权限不足"},  // ErrPermission
    {18, "没有该文件或目录"},  // ErrNoSuchFile
    {19, "这是一个目录"},  // ErrIsFolder
    {20, "不是目录"},  // ErrNotFolder
    {21, "设备上没有剩余空间"},  // ErrNoSpace
    {22, "只读文件系统"},  // ErrReadOnlyFs
    {23, "文件名太长"},  // ErrNameTooLong
    {24, "符号链接层数过多"},  // ErrLinkLoop
    {25, "输入/输出错误"},  // ErrIo
    {26, "超出磁盘配额"},  // ErrQuota
    {27, "在 %1 中未找到以下文件，保存时将创建它们：%2。"},  // KavFilesNotFound
}};
static_assert(HasEveryIdInOrder(kChineseOwnTexts));

}  // namespace resources
