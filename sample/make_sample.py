#!/usr/bin/env python3
"""Writes the demo data folder next to this script: the group and notebook lists, the settings
file and the snapshot documents below data3/, as the note-taking editor would leave them.

Everything is rewritten from the tables below, so running it twice gives the same bytes.
Python 3 standard library only.

Snapshot documents are RVF text records in code page 936: a version record, then one record
per run of text. Text styles 0..5 and paragraph styles 0/1 match the viewer's built-in style
sheet (0 normal, 1 heading, 2 subheading, 3 keywords, 4/5 links; paragraph 1 centred).
"""

import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
CRLF = b"\r\n"

NORMAL, HEADING, SUBHEADING, KEYWORDS, LINK1, LINK2 = range(6)
LEFT, CENTERED = 0, 1


def gbk(text):
    return text.encode("gbk")


# --- RVF writing ---------------------------------------------------------------------------

class Para:
    """One paragraph: runs of (text style, text), a paragraph style and an optional checkpoint."""

    def __init__(self, runs, para_style=LEFT, checkpoint=None):
        if isinstance(runs, str):
            runs = [(NORMAL, runs)]
        self.runs = runs
        self.para_style = para_style
        self.checkpoint = checkpoint


def P(text, style=NORMAL, para=LEFT, checkpoint=None):
    return Para([(style, text)], para, checkpoint)


def title(text, checkpoint=None):
    return Para([(HEADING, text)], CENTERED, checkpoint)


def head(text, checkpoint=None):
    return Para([(SUBHEADING, text)], LEFT, checkpoint)


def header(style, lines, para, options):
    return gbk("%d %d %d %d 0 0" % (style, lines, para, options)) + CRLF


def checkpoint_record(name):
    return gbk("-2 1 0 0 0 0 0 0") + CRLF + gbk(name) + CRLF


def rvf(paragraphs):
    """A whole document. Neighbouring one-run paragraphs of the same styles share one record,
    as the editor writes them."""
    out = [gbk("-8 1 3") + CRLF]
    pending = None  # (style, para, [lines]) of the record being collected

    def flush():
        nonlocal pending
        if pending:
            style, para, lines = pending
            out.append(header(style, len(lines), para, 0))
            out.extend(gbk(line) + CRLF for line in lines)
            pending = None

    for p in paragraphs:
        for c in "\r\n":
            assert all(c not in text for _, text in p.runs)
        first_style, first_text = p.runs[0]
        joinable = (len(p.runs) == 1 and p.checkpoint is None and pending
                    and pending[0] == first_style and pending[1] == p.para_style)
        if joinable:
            pending[2].append(first_text)
            continue
        flush()
        if p.checkpoint:
            out.append(checkpoint_record(p.checkpoint))
        pending = (first_style, p.para_style, [first_text])
        if len(p.runs) > 1:
            flush()
            for style, text in p.runs[1:]:
                # -1 and the flag 1: the run continues the paragraph begun above.
                out.append(header(style, 1, -1, 1) + gbk(text) + CRLF)
    flush()
    return b"".join(out)


# --- The notebooks -------------------------------------------------------------------------

SHOPPING = [
    ("20240311081502", ["牛奶 2盒", "鸡蛋 一打", "面包"]),
    ("20240311084007", ["牛奶 2盒", "鸡蛋 一打", "全麦面包", "苹果 1kg"]),
    ("20240312190533", ["牛奶 2盒", "鸡蛋 一打", "全麦面包", "苹果 1kg", "洗衣液", "Coffee beans (Arabica)"]),
    ("20240313072011", ["鸡蛋 一打", "洗衣液", "Coffee beans (Arabica)", "大米 5kg", "酱油"]),
    ("20240313203348", ["洗衣液", "大米 5kg", "酱油", "西红柿 6个", "土豆", "香菜"]),
    ("20240315111520", ["西红柿 6个", "土豆", "香菜", "牙膏", "纸巾 3包", "猫粮 (for 小花)"]),
    ("20240315112903", ["牙膏", "纸巾 3包", "猫粮 (for 小花)", "生日蛋糕 —— 周六取货"]),
    ("20240316095844", ["生日蛋糕 —— 周六取货", "蜡烛", "气球 ×10", "果汁"]),
]


def shopping_doc(items, stamp):
    paras = [title("购物清单"), P("更新于 %s-%s-%s" % (stamp[:4], stamp[4:6], stamp[6:8]), KEYWORDS)]
    paras.append(head("要买的东西"))
    paras += [Para([(NORMAL, "● "), (NORMAL, item)]) if i % 3 == 2 else P("● " + item)
              for i, item in enumerate(items)]
    paras.append(P(""))
    paras.append(Para([(NORMAL, "附近超市："), (LINK1, "华联超市"), (NORMAL, " 或 "), (LINK2, "家乐福")]))
    return paras


DIARY_DAYS = [
    ("2024年3月10日 星期日 晴", ["早上去公园跑步，空气很好。", "下午整理书架，找到一本大学时的笔记本。",
                              "晚上和妈妈通电话，她说下周要来看我们。"]),
    ("2024年3月11日 星期一 多云", ["周一总是很忙。上午开了两个会，下午写周报。",
                               "Learned a new keyboard shortcut today: Ctrl+Shift+T reopens a closed tab."]),
    ("2024年3月12日 星期二 小雨", ["下雨天，地铁特别挤。", "午饭吃了楼下的牛肉面，味道一般。",
                               "晚上看了一部老电影《城南旧事》，很感动。"]),
    ("2024年3月13日 星期三 阴", ["今天把拖了很久的报销单交了。", "给小花（猫）买了新的猫抓板，她很喜欢。"]),
    ("2024年3月14日 星期四 晴", ["项目评审通过了！大家都很高兴，晚上一起去吃了火锅。",
                               "Note to self: sleep earlier, the review week was exhausting."]),
    ("2024年3月15日 星期五 晴", ["请了半天假去医院复查，一切正常。", "下午在咖啡馆读完了《活着》。"]),
]

DIARY_STAMPS = ["20240310220512", "20240311223040", "20240312221501", "20240312230010",
                "20240313214433", "20240314231257", "20240315093018", "20240315212700",
                "20240316100221", "20240316184409"]


def diary_doc(day_count, partial):
    paras = [title("我的日记")]
    for n, (date, lines) in enumerate(DIARY_DAYS[:day_count]):
        paras.append(head(date, checkpoint="day%d" % (n + 1)))
        body = lines if n + 1 < day_count or not partial else lines[:1]
        paras += [P(line) for line in body]
        paras.append(P(""))
    return paras


MEETING_STAMPS = ["20240311100512", "20240311103017", "20240311110544",
                  "20240314150233", "20240314153809", "20240314162001"]


def meeting_doc(step):
    paras = [title("会议记录")]
    paras.append(head("3月11日 周例会", checkpoint="meeting-0311"))
    paras.append(Para([(KEYWORDS, "参会人："), (NORMAL, "王强、李娜、张伟、Tom Chen")]))
    agenda = ["上周进度回顾", "新版本发布计划 (v2.3)", "客户反馈汇总", "其他事项"]
    paras += [P("%d. %s" % (i + 1, a)) for i, a in enumerate(agenda[:2 + min(step, 2)])]
    if step >= 1:
        paras.append(Para([(KEYWORDS, "结论："), (NORMAL, "v2.3 推迟一周发布，先修复登录页面的兼容问题。")]))
    if step >= 2:
        paras.append(head("待办事项"))
        paras += [P("- 李娜：整理客户反馈，周三前发邮件"),
                  P("- 张伟：fix the login page on Safari 16"),
                  P("- Tom：更新发布说明 (release notes)")]
    if step >= 3:
        paras.append(P(""))
        paras.append(head("3月14日 项目评审", checkpoint="meeting-0314"))
        paras.append(Para([(KEYWORDS, "参会人："), (NORMAL, "全体成员，以及产品部的刘经理")]))
    if step >= 4:
        paras += [P("评审意见：整体方案可行，性能指标需要补充测试数据。"),
                  P("Performance target: page load under 1.5 s on a mid-range phone.")]
    if step >= 5:
        paras.append(Para([(KEYWORDS, "结论："), (NORMAL, "评审通过。"), (LINK1, "详见评审纪要")]))
    return paras


PLAN_SECTIONS = [
    ("一、项目背景", ["公司现有的记事本产品已运行五年，用户数超过两百万。",
                  "用户反馈最多的问题是：误删内容后无法找回。",
                  "本项目为记事本增加历史保存系统，定时保存每个记事本的快照。"]),
    ("二、目标", ["每隔几分钟自动保存一次，保存间隔可以设置。",
               "每个记事本最多保存若干份历史备份，超过时删除最早的一份。",
               "提供独立的查看工具，按时间列出历史备份并可复制内容。",
               "Goal: zero data loss for edits older than one saving interval."]),
    ("三、范围", ["包括：定时保存、备份清理、查看工具、设置界面。",
               "不包括：云同步（由云保存系统负责）、实时保存（由本地保存系统负责）。"]),
    ("四、技术方案", ["快照以富文本格式保存，文件名为保存时间，例如 20240311081502.txt。",
                  "每个记事本一个文件夹，文件夹名为记事本编号。",
                  "分组和记事本的目录保存在 groups.txt 和 items.txt 中，逗号分隔。",
                  "设置保存在 lishi.ini 的 [load] 节：meige_time 和 zuiduo_file。"]),
    ("五、进度安排", None),
    ("六、风险与对策", ["风险：硬盘空间不足。对策：默认最多保存 50 份，并在设置界面提示。",
                     "风险：保存时程序崩溃导致快照不完整。对策：先写临时文件再改名。",
                     "Risk: clock changes produce out-of-order names. Mitigation: list by name, not by file time."]),
    ("七、人员分工", ["王强：项目经理，负责整体进度。", "李娜：保存模块。", "张伟：查看工具。",
                   "Tom Chen：测试与发布。"]),
    ("八、附录：测试用例", None),
]

TASKS = ["需求调研", "界面设计", "接口设计", "保存模块开发", "清理模块开发", "查看工具开发",
         "设置界面开发", "联调测试", "性能测试", "用户试用", "问题修复", "文档编写", "发布准备"]
OWNERS = ["王强", "李娜", "张伟", "Tom Chen"]
CASES = ["保存间隔为 1 分钟", "保存间隔为 60 分钟", "最多保存 1 份", "最多保存 500 份",
         "记事本名称含有中文", "记事本名称很长", "快照文件夹被删除", "硬盘已满",
         "同时编辑多个记事本", "系统时间被调回"]

PLAN_STAMPS = ["20240308090011", "20240308113042", "20240309150506", "20240311161730",
               "20240312173355", "20240313180840", "20240314094512", "20240316110003"]


def schedule_lines(weeks):
    lines = []
    for week in range(1, weeks + 1):
        task = TASKS[(week - 1) % len(TASKS)]
        owner = OWNERS[week % len(OWNERS)]
        lines.append("第%d周：%s，负责人：%s" % (week, task, owner))
        lines.append("    检查点：第%d周周五下午提交进度报告 (status report #%d)" % (week, week))
    return lines


def case_lines(rounds):
    lines = []
    for n in range(rounds):
        for i, case in enumerate(CASES):
            number = n * len(CASES) + i + 1
            lines.append("用例 %03d：%s —— 第%d轮" % (number, case, n + 1))
            lines.append("    预期：历史备份正确生成，查看工具按时间顺序列出。Expected: listed oldest first.")
    return lines


def plan_doc(step):
    paras = [title("历史保存系统项目计划书"), P("版本 0.%d" % (step + 1), KEYWORDS, CENTERED)]
    sections = PLAN_SECTIONS[:3 + step]
    for n, (name, lines) in enumerate(sections):
        paras.append(head(name, checkpoint="section%d" % (n + 1)))
        if lines is None and name.startswith("五"):
            lines = schedule_lines(4 + 6 * step)
        if lines is None:
            lines = case_lines(step + 3)
        paras += [P(line) for line in lines]
        paras.append(P(""))
    paras.append(Para([(NORMAL, "联系人："), (LINK1, "wangqiang@example.com")]))
    return paras


READING_STAMPS = ["20240309210015", "20240310213306", "20240314220148", "20240316203519"]
READING_NOTES = [
    ("《活着》 余华", ["“人是为活着本身而活着，而不是为了活着之外的任何事物所活着。”",
                    "福贵的一生很苦，但作者写得很平静。"]),
    ("The Pragmatic Programmer", ["Don't live with broken windows.",
                                 "DRY: every piece of knowledge must have a single representation.",
                                 "笔记：小问题要及时修，不然会越积越多。"]),
    ("《城南旧事》 林海音", ["从孩子的眼睛看大人的世界。", "读完想起了小时候的胡同。"]),
    ("Thinking, Fast and Slow", ["System 1 is fast and intuitive; System 2 is slow and deliberate.",
                                "关键词：锚定效应、损失厌恶。"]),
]


def reading_doc(count):
    paras = [title("读书笔记")]
    for n, (book, lines) in enumerate(READING_NOTES[:count]):
        paras.append(head(book, checkpoint="book%d" % (n + 1)))
        paras += [P(line, KEYWORDS if line.startswith(("“", "Don't")) else NORMAL) for line in lines]
    return paras


# --- The catalog ---------------------------------------------------------------------------

GROUPS = [("g1", "家庭", "2019-05-01"), ("g2", "工作", "2019-05-01"), ("g3", "学习", "2020-09-01")]

# Group id, notebook id, notebook name, and a creation date the viewer ignores. The notebook
# 2003 has no snapshot folder: the editor never saved it, or its folder was removed.
NOTEBOOKS = [
    ("g1", "1001", "购物清单", "2019-05-02"),
    ("g1", "1002", "我的日记", "2019-05-03"),
    ("g2", "2001", "会议记录", "2021-02-15"),
    ("g2", "2002", "项目计划书", "2024-03-08"),
    ("g2", "2003", "旧笔记", "2019-06-30"),
    ("g3", "读书", "读书笔记", "2020-09-01"),
]


def snapshots():
    for stamp, items in SHOPPING:
        yield "1001", stamp, shopping_doc(items, stamp)
    for n, stamp in enumerate(DIARY_STAMPS):
        yield "1002", stamp, diary_doc(1 + n * len(DIARY_DAYS) // len(DIARY_STAMPS), n % 3 == 1)
    for n, stamp in enumerate(MEETING_STAMPS):
        yield "2001", stamp, meeting_doc(n)
    for n, stamp in enumerate(PLAN_STAMPS):
        yield "2002", stamp, plan_doc(min(n, 5) if n < 7 else 6)
    for n, stamp in enumerate(READING_STAMPS):
        yield "读书", stamp, reading_doc(n + 1)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    write(os.path.join(HERE, "groups.txt"),
          b"".join(gbk(",".join(g)) + CRLF for g in GROUPS))
    write(os.path.join(HERE, "items.txt"),
          b"".join(gbk(",".join(n)) + CRLF for n in NOTEBOOKS))
    write(os.path.join(HERE, "lishi.ini"),
          CRLF.join([b"[load]", b"meige_time=5", b"zuiduo_file=40", b""]))
    data3 = os.path.join(HERE, "data3")
    shutil.rmtree(data3, ignore_errors=True)
    count = 0
    for notebook, stamp, paras in snapshots():
        write(os.path.join(data3, notebook, stamp + ".txt"), rvf(paras))
        count += 1
    print("wrote %d snapshots" % count)


if __name__ == "__main__":
    main()
